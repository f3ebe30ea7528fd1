#include "ManualTimerService.h"

#include "FakeClock.h"

#include <algorithm>

namespace wigglepad {

struct ManualTimerService::Timer {
    Seconds start, interval;
    Action action;
    bool repeats, running = true;
    double fired = 0;

    Seconds due() const { return start + interval * (fired + 1); }
};

namespace {

// Times that differ only by rounding are the same instant: three 0.1 s intervals do fall due
// within an advance of 0.3 s.
constexpr TimerService::Seconds kRounding{1e-9};

// The handle of a repeating timer: dropping it stops the timer.
struct Handle final : RepeatingTimer {
    explicit Handle(std::shared_ptr<ManualTimerService::Timer> shared)
        : timer(std::move(shared)) {}
    ~Handle() override { invalidate(); }
    void invalidate() override { timer->running = false; }
    bool isValid() const override { return timer->running; }
    const std::shared_ptr<ManualTimerService::Timer> timer;
};

} // namespace

std::unique_ptr<RepeatingTimer> ManualTimerService::scheduleRepeating(Seconds interval,
                                                                      Action action) {
    return std::make_unique<Handle>(add(interval, std::move(action), true));
}

std::shared_ptr<ManualTimerService::Timer> ManualTimerService::add(Seconds interval, Action action,
                                                                   bool repeats) {
    timers_.push_back(std::make_shared<Timer>(Timer{now_, interval, std::move(action), repeats}));
    return timers_.back();
}

void ManualTimerService::advance(Seconds duration) {
    const Seconds end = now_ + duration;
    for (;;) {
        std::erase_if(timers_, [](const auto& timer) { return !timer->running; });
        // The first of equal times is the one scheduled first.
        const auto next = std::ranges::min_element(timers_, {}, &Timer::due);
        const bool fires = next != timers_.end() && (*next)->due() <= end + kRounding;
        // Held while it runs: the action may drop the last handle to its own timer.
        const std::shared_ptr<Timer> firing = fires ? *next : nullptr;
        const Seconds time = std::max(now_, fires ? firing->due() : end);
        if (clock_ != nullptr)
            clock_->advance((time - now_).count());
        now_ = time;
        if (!fires)
            return;
        ++firing->fired;
        firing->running = firing->repeats;
        const Action action = firing->action;
        action();
    }
}

std::vector<TimerService::Seconds> ManualTimerService::runningIntervals() const {
    std::vector<Seconds> intervals;
    for (const auto& timer : timers_)
        if (timer->running && timer->repeats)
            intervals.push_back(timer->interval);
    return intervals;
}

} // namespace wigglepad
