#pragma once

#include "TimerService.h"

#include <vector>

namespace wigglepad {

class FakeClock;

// Timers that fire only when a test moves virtual time on. advance() fires every repeating
// timer and delayed action that falls due, in time order (ties in the order they were
// scheduled), and, when given a clock, moves the clock along so each action sees its own time.
class ManualTimerService final : public TimerService {
public:
    explicit ManualTimerService(FakeClock* clock = nullptr)
        : clock_(clock) {}

    std::unique_ptr<RepeatingTimer> scheduleRepeating(Seconds interval, Action action) override;
    void runAfter(Seconds delay, Action action) override { add(delay, std::move(action), false); }
    void advance(Seconds duration);

    // Intervals of the running repeating timers, in the order they were scheduled.
    std::vector<Seconds> runningIntervals() const;

    // A repeating timer, or a delayed action that fires once.
    struct Timer;

private:
    std::shared_ptr<Timer> add(Seconds interval, Action action, bool repeats);

    FakeClock* clock_;
    Seconds now_{0.0};
    std::vector<std::shared_ptr<Timer>> timers_;
};

} // namespace wigglepad
