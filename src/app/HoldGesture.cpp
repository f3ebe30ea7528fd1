#include "HoldGesture.h"

#include "Clock.h"

#include <algorithm>

namespace wigglepad {

HoldGesture::HoldGesture(TimerService& timers, const Clock& clock, Published<double>& progress,
                         double duration, std::function<void()> completed)
    : timers_(timers)
    , clock_(clock)
    , progress_(progress)
    , duration_(duration)
    , completed_(std::move(completed)) {}

// The timer goes with the hold, so its ticks never outlive it.
void HoldGesture::keyDown() {
    if (keyDown_)
        return;
    keyDown_ = true;
    start_ = clock_.now();
    timer_ = timers_.scheduleRepeating(kTickInterval, [this] { tick(); });
}

void HoldGesture::keyUp() {
    keyDown_ = false;
    stop();
}

void HoldGesture::stop() {
    if (timer_)
        timer_->invalidate();
    timer_.reset();
    progress_.set(0.0);
}

void HoldGesture::tick() {
    const double progress = std::min((clock_.now() - start_) / duration_, 1.0);
    progress_.set(progress);
    if (progress >= 1.0)
        completed_();
}

} // namespace wigglepad
