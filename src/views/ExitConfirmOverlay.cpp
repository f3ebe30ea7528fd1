#include "ExitConfirmOverlay.h"

#include "BlurredBackdrop.h"
#include "ContinuousRoundedRect.h"
#include "LightAppearance.h"
#include "StyledButton.h"
#include "StyledLabel.h"
#include "TypeScale.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>
#include <utility>

namespace wigglepad {

namespace {

const QColor kDimming = QColor::fromRgbF(0.0f, 0.0f, 0.0f, 0.4f);
constexpr int kCardPadding = 40;
constexpr int kCardSpacing = 20;
constexpr int kButtonSpacing = 16;
constexpr QSize kButtonLabelSize{100, 36};
constexpr qreal kCardRadius = 16.0;

// A heavy frost: what lies behind only tints the card softly. Without a picture of it, a nearly
// opaque pane lets the dimmed surface through faintly.
const QColor kFrost = QColor::fromRgbF(0.98f, 0.98f, 0.98f, 0.65f);
const QColor kPlainPane = QColor::fromRgbF(0.97f, 0.97f, 0.97f, 0.97f);

StyledButton* makeButton(StyledButton::Look look, const QString& text,
                         std::function<void()> action) {
    auto* button = new StyledButton(look);
    button->setText(text);
    button->setLabelSize(kButtonLabelSize);
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [action = std::move(action)] { action(); });
    return button;
}

} // namespace

ExitConfirmOverlay::ExitConfirmOverlay(std::function<void()> onExit, std::function<void()> onCancel,
                                       TimerService& timers, QWidget* parent)
    : AdultScreen(parent)
    , onCancel_(std::move(onCancel))
    , timers_(timers)
    , card_(makeCard(std::move(onExit))) {
    watchPointerOn(*card_);
}

// Exit takes no keyboard focus (a StyledButton's default), so neither Tab, the arrows nor Space
// can reach it.
QWidget* ExitConfirmOverlay::makeCard(std::function<void()> onExit) {
    auto* card = new QWidget(this);
    card->setFont(TypeScale::font(TextStyle::body));
    auto* column = new QVBoxLayout(card);
    column->setContentsMargins(kCardPadding, kCardPadding, kCardPadding, kCardPadding);
    column->setSpacing(kCardSpacing);
    column->addWidget(styledLabel(tr("Exit Wigglepad?"), boldFont(TextStyle::title2),
                                  LightAppearance::primaryLabel()),
                      0, Qt::AlignHCenter);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(kButtonSpacing);
    StyledButton* cancel =
        makeButton(StyledButton::Look::bordered, tr("Cancel"), [this] { onCancel_(); });
    cancel->setFocusPolicy(Qt::TabFocus);
    buttons->addWidget(cancel, 0, Qt::AlignVCenter);
    StyledButton* exit =
        makeButton(StyledButton::Look::borderedProminent, tr("Exit"), std::move(onExit));
    exit->setTint(LightAppearance::red());
    buttons->addWidget(exit, 0, Qt::AlignVCenter);
    column->addLayout(buttons);
    column->setAlignment(buttons, Qt::AlignHCenter);
    return card;
}

// Moves over the card come without a button held too, wherever on it the pointer is.
void ExitConfirmOverlay::watchPointerOn(QWidget& card) {
    QList<QWidget*> widgets = card.findChildren<QWidget*>();
    widgets << &card;
    for (QWidget* widget : widgets) {
        widget->setMouseTracking(true);
        widget->installEventFilter(this);
    }
}

bool ExitConfirmOverlay::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        if (unattended_)
            restartUnattendedCount();
        break;
    default:
        break;
    }
    return false;
}

void ExitConfirmOverlay::showEvent(QShowEvent*) {
    restartUnattendedCount();
}

void ExitConfirmOverlay::hideEvent(QHideEvent* event) {
    unattended_.reset();
    AdultScreen::hideEvent(event);
}

void ExitConfirmOverlay::restartUnattendedCount() {
    unattended_ = timers_.scheduleRepeating(kUnattendedTimeout, [this] {
        unattended_->invalidate();
        onCancel_();
    });
}

void ExitConfirmOverlay::setBackdrop(BackdropPainter paintBehind) {
    paintBehind_ = std::move(paintBehind);
    update();
}

QRect ExitConfirmOverlay::cardGeometry() const {
    return card_->geometry();
}

void ExitConfirmOverlay::resizeEvent(QResizeEvent*) {
    const QSize size = card_->sizeHint();
    card_->setGeometry(
        QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size));
}

void ExitConfirmOverlay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kDimming);
    paintCard(painter);
}

// Frosted glass: what lies behind, blurred, under a light frost.
void ExitConfirmOverlay::paintCard(QPainter& painter) const {
    const QRect card = card_->geometry();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(card.topLeft());
    const QPainterPath shape = continuousRoundedRect(card.size(), kCardRadius);
    if (paintBehind_) {
        painter.fillPath(shape, blurredBackdrop(paintBehind_, size(), card));
        painter.fillPath(shape, kFrost);
    } else {
        painter.fillPath(shape, kPlainPane);
    }
    painter.restore();
}

// Clicks beside the card end here, so nothing behind the overlay hears them.
} // namespace wigglepad
