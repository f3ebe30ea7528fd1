#include "PacedTimer.h"

#include <QTimerEvent>

namespace wigglepad {
namespace {

using Clock = TickSchedule::Clock;

// Qt timers count whole milliseconds; rounding the wait up means a tick never comes early.
std::chrono::milliseconds waitUntil(Clock::time_point target) {
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(target - Clock::now());
    return std::max(wait, std::chrono::milliseconds{0});
}

} // namespace

PacedTimer::PacedTimer(Action action)
    : action_(std::move(action)) {}

PacedTimer::~PacedTimer() {
    if (destroyed_ != nullptr) {
        *destroyed_ = true;
    }
    disarm();
}

void PacedTimer::start(Clock::duration interval) {
    schedule_.emplace(Clock::now(), interval);
    armFor(schedule_->advance(Clock::now()));
}

void PacedTimer::stop() {
    schedule_.reset();
    disarm();
}

std::optional<Clock::time_point> PacedTimer::currentTarget() const {
    if (!schedule_) {
        return std::nullopt;
    }
    return schedule_->currentTarget();
}

void PacedTimer::timerEvent(QTimerEvent* event) {
    if (event->timerId() != timerId_ || !schedule_) {
        QObject::timerEvent(event);
        return;
    }
    disarm();
    // The action may stop, restart or even destroy this timer.
    bool destroyed = false;
    destroyed_ = &destroyed;
    const Action action = action_;
    action();
    if (destroyed) {
        return;
    }
    destroyed_ = nullptr;
    if (schedule_ && timerId_ == 0) {
        armFor(schedule_->advance(Clock::now()));
    }
}

void PacedTimer::armFor(Clock::time_point target) {
    timerId_ = startTimer(waitUntil(target), Qt::PreciseTimer);
}

void PacedTimer::disarm() {
    if (timerId_ != 0) {
        killTimer(timerId_);
        timerId_ = 0;
    }
}

} // namespace wigglepad
