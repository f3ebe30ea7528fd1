#include "Transition.h"

#include <QGraphicsOpacityEffect>
#include <QVariantAnimation>
#include <QWidget>
#include <cmath>

namespace wigglepad {

Transition::Transition(QWidget* target, Kind kind)
    : QObject(target)
    , target_(target)
    , kind_(kind)
    , present_(!target->isHidden())
    , presence_(present_ ? 1.0 : 0.0)
    , animation_(new QVariantAnimation(this)) {
    connect(animation_, &QVariantAnimation::valueChanged, this,
            [this](const QVariant& value) { apply(value.toDouble()); });
    connect(animation_, &QVariantAnimation::finished, this, &Transition::settle);
}

bool Transition::isRunning() const {
    return animation_->state() == QAbstractAnimation::Running;
}

void Transition::setPresent(bool present, const std::optional<Animation>& animation) {
    if (present == present_)
        return;
    present_ = present;
    target_->setAttribute(Qt::WA_TransparentForMouseEvents, !present);
    if (animation) {
        start(*animation);
    } else {
        animation_->stop();
        settle();
    }
}

// Runs from wherever the layer is now, so a change of mind half-way turns it round smoothly;
// the time is the part of the whole way still to go.
void Transition::start(const Animation& animation) {
    if (!rest_) {
        rest_ = target_->pos();
        if (kind_ == Kind::opacity)
            target_->setGraphicsEffect(new QGraphicsOpacityEffect);
    }
    animation_->stop();
    const double end = present_ ? 1.0 : 0.0;
    const auto duration = static_cast<double>(animation.duration.count());
    animation_->setStartValue(presence_);
    animation_->setEndValue(end);
    animation_->setDuration(static_cast<int>(std::lround(duration * std::abs(end - presence_))));
    animation_->setEasingCurve(animation.curve);
    apply(presence_);
    target_->show();
    animation_->start();
}

void Transition::apply(double presence) {
    presence_ = presence;
    if (kind_ == Kind::opacity) {
        if (auto* effect = qobject_cast<QGraphicsOpacityEffect*>(target_->graphicsEffect()))
            effect->setOpacity(presence);
        return;
    }
    if (!rest_)
        return;
    const double offTop = rest_->y() + target_->height();
    target_->move(rest_->x(),
                  rest_->y() - static_cast<int>(std::lround((1.0 - presence) * offTop)));
}

// The end state, reached at the end of an animation or at once without one.
void Transition::settle() {
    presence_ = present_ ? 1.0 : 0.0;
    target_->setVisible(present_);
    if (rest_) {
        if (kind_ == Kind::opacity)
            target_->setGraphicsEffect(nullptr);
        else
            target_->move(*rest_);
        rest_.reset();
    }
}

} // namespace wigglepad
