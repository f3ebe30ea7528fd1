#include "HoldGesture.h"

#include "RepeatingTimer.h"

#include <algorithm>

namespace wigglepad {

void HoldGesture::start(TimerService& timers, TimeStamp now, TimerService::Action tick) {
    if (timer_)
        return;
    start_ = now;
    timer_ = timers.scheduleRepeating(kTickInterval, std::move(tick));
}

void HoldGesture::cancel() {
    if (timer_)
        timer_->invalidate();
    timer_.reset();
    start_.reset();
    progress_.set(0.0);
}

bool HoldGesture::tick(TimeStamp now) {
    if (!start_)
        return false;
    const double progress = std::min((now - *start_) / duration_, 1.0);
    progress_.set(progress);
    return progress >= 1.0;
}

} // namespace wigglepad
