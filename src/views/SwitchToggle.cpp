#include "SwitchToggle.h"

#include "AnimationTransaction.h"
#include "LightAppearance.h"

#include <QPainter>
#include <QVariantAnimation>

namespace wigglepad {

namespace {

constexpr QSize kTrackSize{40, 24};
constexpr qreal kKnobInset = 2.0;
constexpr int kKnobSlideMs = 150;
// Off, the track must read as a control on the off-white ground: a grey fill with a darker edge.
constexpr float kOffTrackOpacity = 0.45f;
constexpr float kOffEdgeOpacity = 0.7f;
constexpr float kKnobRimOpacity = 0.35f;
// The knob's soft shadow: rings of faint black, each wider and fainter, a little below it.
constexpr qreal kShadowDrop = 1.0;
constexpr float kShadowOpacities[] = {0.10f, 0.06f, 0.03f};
constexpr qreal kDisabledOpacity = 0.4;
constexpr int kFocusDarkerPercent = 140; // the focus ring must show on the accent track too

} // namespace

SwitchToggle::SwitchToggle(QWidget* parent)
    : QAbstractButton(parent)
    , knobAnimation_(new QVariantAnimation(this)) {
    setCheckable(true);
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(knobAnimation_, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        knobPosition_ = value.toReal();
        update();
    });
}

QSize SwitchToggle::sizeHint() const {
    return kTrackSize;
}

// A click or Space: the button refreshes no state while it handles them, so the knob is moved
// here rather than in checkStateSet().
void SwitchToggle::nextCheckState() {
    QAbstractButton::nextCheckState();
    moveKnob(true);
}

// setChecked() from a caller.
void SwitchToggle::checkStateSet() {
    moveKnob(AnimationTransaction::current().has_value());
}

void SwitchToggle::moveKnob(bool animated) {
    const qreal end = isChecked() ? 1.0 : 0.0;
    knobAnimation_->stop();
    if (!animated) {
        knobPosition_ = end;
        update();
        return;
    }
    const std::optional<Animation>& transaction = AnimationTransaction::current();
    knobAnimation_->setDuration(transaction ? static_cast<int>(transaction->duration.count())
                                            : kKnobSlideMs);
    knobAnimation_->setEasingCurve(transaction ? transaction->curve
                                               : QEasingCurve(QEasingCurve::InOutCubic));
    knobAnimation_->setStartValue(knobPosition_);
    knobAnimation_->setEndValue(end);
    knobAnimation_->start();
}

void SwitchToggle::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled())
        painter.setOpacity(kDisabledOpacity);
    paintTrack(painter);
    paintKnob(painter);
}

// The track blends from grey to the accent as the knob travels; its edge fades out on the way.
void SwitchToggle::paintTrack(QPainter& painter) const {
    QColor off = LightAppearance::gray();
    off.setAlphaF(kOffTrackOpacity);
    const QColor on = LightAppearance::accent();
    const auto mix = [this](float a, float b) {
        return a + (b - a) * static_cast<float>(knobPosition_);
    };
    const QColor track =
        QColor::fromRgbF(mix(off.redF(), on.redF()), mix(off.greenF(), on.greenF()),
                         mix(off.blueF(), on.blueF()), mix(off.alphaF(), on.alphaF()));
    QColor edge = LightAppearance::gray();
    edge.setAlphaF(mix(kOffEdgeOpacity, 0.0f));
    const QRectF bounds = QRectF(rect()).adjusted(1, 1, -1, -1);
    const qreal radius = bounds.height() / 2;
    painter.setPen(hasFocus() ? QPen(LightAppearance::accent().darker(kFocusDarkerPercent), 2.0)
                              : QPen(edge, 1.0));
    painter.setBrush(track);
    painter.drawRoundedRect(bounds, radius, radius);
}

void SwitchToggle::paintKnob(QPainter& painter) const {
    const qreal scale = height() / qreal(kTrackSize.height());
    const qreal inset = kKnobInset * scale;
    const qreal diameter = height() - 2 * inset;
    const qreal travel = width() - 2 * inset - diameter;
    const QRectF knob(inset + travel * knobPosition_, inset, diameter, diameter);
    painter.setPen(Qt::NoPen);
    qreal spread = 0.0;
    for (const float opacity : kShadowOpacities) {
        painter.setBrush(QColor::fromRgbF(0.0f, 0.0f, 0.0f, opacity));
        painter.drawEllipse(
            knob.translated(0, kShadowDrop * scale).adjusted(-spread, -spread, spread, spread));
        spread += 0.5 * scale;
    }
    QColor rim = LightAppearance::gray();
    rim.setAlphaF(kKnobRimOpacity);
    painter.setPen(QPen(rim, 0.5));
    painter.setBrush(Qt::white);
    painter.drawEllipse(knob);
}

} // namespace wigglepad
