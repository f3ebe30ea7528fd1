#include "ManualTimerService.h"

#include "FakeClock.h"

#include <algorithm>
#include <optional>

namespace wigglepad {

struct ManualTimerService::Timer {
    Seconds start;
    Seconds interval;
    std::int64_t fired = 0;
    std::uint64_t order;
    Action action;
    bool running = true;

    Due due() const { return {start + interval * static_cast<double>(fired + 1), order}; }
};

namespace {

// Times that differ only by rounding are the same instant: three 0.1 s intervals do fall due
// within an advance of 0.3 s.
constexpr TimerService::Seconds kRounding{1e-9};

class ManualRepeatingTimer final : public RepeatingTimer {
public:
    explicit ManualRepeatingTimer(std::shared_ptr<ManualTimerService::Timer> timer)
        : timer_(std::move(timer)) {}
    ~ManualRepeatingTimer() override { invalidate(); }
    void invalidate() override { timer_->running = false; }
    bool isValid() const override { return timer_->running; }

private:
    std::shared_ptr<ManualTimerService::Timer> timer_;
};

} // namespace

ManualTimerService::ManualTimerService(FakeClock* clock)
    : clock_(clock) {}

std::unique_ptr<RepeatingTimer> ManualTimerService::scheduleRepeating(Seconds interval,
                                                                      Action action) {
    auto timer = std::make_shared<Timer>(Timer{now_, interval, 0, nextOrder_++, std::move(action)});
    timers_.push_back(timer);
    return std::make_unique<ManualRepeatingTimer>(timer);
}

void ManualTimerService::runAfter(Seconds delay, Action action) {
    delayed_.push_back({now_ + delay, nextOrder_++, std::move(action)});
}

void ManualTimerService::advance(Seconds duration) {
    const Seconds end = now_ + duration;
    while (fireNextDueBy(end)) {
    }
    moveTo(end);
    prune();
}

bool ManualTimerService::fireNextDueBy(Seconds end) {
    prune();
    const auto timer = std::ranges::min_element(timers_, {}, [](auto& t) { return t->due(); });
    const auto delayed = std::ranges::min_element(delayed_, {}, &Delayed::due);
    const std::optional<Due> timerDue =
        timer != timers_.end() ? std::optional((*timer)->due()) : std::nullopt;
    if (delayed != delayed_.end() && delayed->due().time <= end + kRounding &&
        (!timerDue || delayed->due() < *timerDue)) {
        const Delayed due = std::move(*delayed);
        delayed_.erase(delayed);
        moveTo(due.when);
        due.action();
        return true;
    }
    if (!timerDue || timerDue->time > end + kRounding) {
        return false;
    }
    // Held while it runs: the action may drop the last handle to its own timer.
    const std::shared_ptr<Timer> firing = *timer;
    moveTo(timerDue->time);
    ++firing->fired;
    const Action action = firing->action;
    action();
    return true;
}

void ManualTimerService::moveTo(Seconds time) {
    if (clock_ != nullptr && time > now_) {
        clock_->advance((time - now_).count());
    }
    now_ = std::max(now_, time);
}

void ManualTimerService::prune() {
    std::erase_if(timers_, [](const auto& timer) { return !timer->running; });
}

std::size_t ManualTimerService::runningTimerCount() const {
    return static_cast<std::size_t>(std::count_if(
        timers_.begin(), timers_.end(), [](const auto& timer) { return timer->running; }));
}

std::vector<TimerService::Seconds> ManualTimerService::runningIntervals() const {
    std::vector<Seconds> intervals;
    for (const auto& timer : timers_) {
        if (timer->running) {
            intervals.push_back(timer->interval);
        }
    }
    return intervals;
}

} // namespace wigglepad
