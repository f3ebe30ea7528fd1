#include "StyledButton.h"

#include "LightAppearance.h"

#include <QPainter>
#include <QVBoxLayout>

namespace wigglepad {

namespace {

// Chrome around the label: room inside the outline, and the corner radius, by control size.
constexpr QMargins kRegularPadding{8, 3, 8, 3};
constexpr QMargins kLargePadding{12, 5, 12, 5};
constexpr qreal kRegularRadius = 6.0;
constexpr qreal kLargeRadius = 9.0;

constexpr float kOutlineOpacity = 0.45f;
constexpr float kFocusRingOpacity = 0.6f;
constexpr qreal kFocusRingWidth = 2.0;
constexpr int kPressedDarkerPercent = 120; // a pressed filled button darkens this much
constexpr float kPressedPlainTextOpacity = 0.55f;
constexpr qreal kDisabledOpacity = 0.4;

const QColor kPressedBorderedFill = QColor::fromRgbF(0.9f, 0.9f, 0.92f);

} // namespace

StyledButton::StyledButton(Look look, QWidget* parent)
    : QAbstractButton(parent)
    , look_(look)
    , tint_(LightAppearance::accent()) {
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void StyledButton::setTint(const QColor& tint) {
    tint_ = tint;
    update();
}

void StyledButton::setControlSize(ControlSize size) {
    controlSize_ = size;
    if (layout())
        layout()->setContentsMargins(chromeMargins());
    updateGeometry();
    update();
}

void StyledButton::setLabelSize(const QSize& size) {
    labelSize_ = size;
    updateGeometry();
}

void StyledButton::setLabel(QWidget* label) {
    delete label_;
    label_ = label;
    label_->setAttribute(Qt::WA_TransparentForMouseEvents);
    if (!layout()) {
        auto* column = new QVBoxLayout(this);
        column->setSpacing(0);
    }
    layout()->setContentsMargins(chromeMargins());
    layout()->addWidget(label_);
    updateGeometry();
}

QSize StyledButton::sizeHint() const {
    return labelSizeHint().grownBy(chromeMargins());
}

QSize StyledButton::minimumSizeHint() const {
    return sizeHint();
}

QMargins StyledButton::chromeMargins() const {
    if (look_ == Look::plain)
        return {};
    return controlSize_ == ControlSize::large ? kLargePadding : kRegularPadding;
}

QSize StyledButton::labelSizeHint() const {
    if (label_)
        return label_->sizeHint();
    if (labelSize_.isValid())
        return labelSize_;
    return fontMetrics().size(Qt::TextSingleLine, text());
}

void StyledButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled())
        painter.setOpacity(kDisabledOpacity);
    paintChrome(painter);
    paintFocusRing(painter);
    if (label_)
        return;
    painter.setFont(font());
    painter.setPen(textColor());
    painter.drawText(rect().marginsRemoved(chromeMargins()), Qt::AlignCenter, text());
}

void StyledButton::paintChrome(QPainter& painter) const {
    if (look_ == Look::plain)
        return;
    const QRectF outline = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (look_ == Look::borderedProminent) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(isDown() ? tint_.darker(kPressedDarkerPercent) : tint_);
    } else {
        QColor stroke = LightAppearance::gray();
        stroke.setAlphaF(kOutlineOpacity);
        painter.setPen(QPen(stroke, 1.0));
        painter.setBrush(isDown() ? kPressedBorderedFill : QColor(Qt::white));
    }
    painter.drawRoundedRect(outline, radius(), radius());
}

// Only a button someone made focusable can show it.
void StyledButton::paintFocusRing(QPainter& painter) const {
    if (!hasFocus())
        return;
    QColor ring = LightAppearance::accent();
    ring.setAlphaF(kFocusRingOpacity);
    painter.setPen(QPen(ring, kFocusRingWidth));
    painter.setBrush(Qt::NoBrush);
    const qreal inset = kFocusRingWidth / 2.0;
    painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), radius(),
                            radius());
}

qreal StyledButton::radius() const {
    return controlSize_ == ControlSize::large ? kLargeRadius : kRegularRadius;
}

QColor StyledButton::textColor() const {
    if (look_ == Look::borderedProminent)
        return Qt::white;
    QColor text = LightAppearance::primaryLabel();
    if (look_ == Look::plain && isDown())
        text.setAlphaF(text.alphaF() * kPressedPlainTextOpacity);
    return text;
}

} // namespace wigglepad
