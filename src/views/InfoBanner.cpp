#include "InfoBanner.h"

#include "BalancedLabel.h"
#include "StyledButton.h"
#include "StyledLabel.h"
#include "TypeScale.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>
#include <utility>

namespace wigglepad {

namespace {

const QColor kSlate = QColor::fromRgbF(0.25f, 0.25f, 0.30f);
constexpr int kSideInset = 24;
constexpr int kEdgeInset = 16; // above and below the row
constexpr int kRowSpacing = 12;
constexpr int kLineSpacing = 4;
constexpr float kInstructionsOpacity = 0.9f;

// The close button: a cross over a faint white disc, 28 points square.
constexpr int kCloseSide = 28;
constexpr qreal kCrossHalfSpan = 4.5; // the cross of a 14-point bold symbol, about 9 points wide
constexpr qreal kCrossStroke = 2.0;
constexpr float kCrossOpacity = 0.8f;
constexpr float kDiscOpacity = 0.2f;

QColor white(float opacity) {
    return QColor::fromRgbF(1.0f, 1.0f, 1.0f, opacity);
}

// The close button's face, drawn at the screen's pixel density.
QPixmap closeGlyph(qreal devicePixelRatio) {
    QPixmap glyph(QSize(kCloseSide, kCloseSide) * devicePixelRatio);
    glyph.setDevicePixelRatio(devicePixelRatio);
    glyph.fill(Qt::transparent);
    QPainter painter(&glyph);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(white(kDiscOpacity));
    painter.drawEllipse(QRectF(0, 0, kCloseSide, kCloseSide));
    // One path stroked once, so the translucent bars do not darken twice where they cross.
    const QPointF centre(kCloseSide / 2.0, kCloseSide / 2.0);
    const QPointF toCorner(kCrossHalfSpan, kCrossHalfSpan);
    const QPointF toOtherCorner(kCrossHalfSpan, -kCrossHalfSpan);
    QPainterPath cross(centre - toCorner);
    cross.lineTo(centre + toCorner);
    cross.moveTo(centre - toOtherCorner);
    cross.lineTo(centre + toOtherCorner);
    painter.strokePath(cross,
                       QPen(white(kCrossOpacity), kCrossStroke, Qt::SolidLine, Qt::RoundCap));
    return glyph;
}

} // namespace

InfoBanner::InfoBanner(std::function<void()> onDismiss, QWidget* parent)
    : QWidget(parent)
    , title_(styledLabel(tr("Welcome to Wigglepad"), TypeScale::font(TextStyle::headline),
                         white(1.0f)))
    , instructions_(new BalancedLabel(tr("To exit: hold Escape for 3 seconds, or click 5 times "
                                         "rapidly in the top-right corner. Hold the M key for 5 "
                                         "seconds to return to the mode menu.")))
    , closeButton_(makeCloseButton(std::move(onDismiss))) {
    setFocusPolicy(Qt::NoFocus);
    QPalette ground = palette();
    ground.setColor(QPalette::Window, kSlate);
    setPalette(ground);
    setAutoFillBackground(true);

    applyTextStyle(*instructions_, TypeScale::font(TextStyle::subheadline),
                   white(kInstructionsOpacity));
    auto* text = new QVBoxLayout;
    text->setSpacing(kLineSpacing);
    text->addWidget(title_);
    text->addWidget(instructions_);
    text->addStretch();

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(kSideInset, kEdgeInset, kSideInset, kEdgeInset);
    row->setSpacing(kRowSpacing);
    // The text takes the width the button leaves, so the instructions wrap only when they must.
    row->addLayout(text, 1);
    row->addWidget(closeButton_, 0, Qt::AlignTop);
}

QAbstractButton* InfoBanner::makeCloseButton(std::function<void()> onDismiss) {
    auto* button = new StyledButton(StyledButton::Look::plain);
    auto* face = new QLabel;
    face->setFixedSize(kCloseSide, kCloseSide);
    face->setPixmap(closeGlyph(devicePixelRatioF()));
    button->setLabel(face);
    button->setAccessibleName(tr("Close"));
    connect(button, &QAbstractButton::clicked, this,
            [onDismiss = std::move(onDismiss)] { onDismiss(); });
    return button;
}

} // namespace wigglepad
