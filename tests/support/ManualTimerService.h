#pragma once

#include "TimerService.h"

#include <cstdint>
#include <vector>

namespace wigglepad {

class FakeClock;

// Timers that fire only when a test moves virtual time on. advance() fires every repeating
// timer and delayed action that falls due, in time order (ties in the order they were
// scheduled), and, when given a clock, moves the clock along so each action sees its own time.
class ManualTimerService final : public TimerService {
public:
    explicit ManualTimerService(FakeClock* clock = nullptr);

    std::unique_ptr<RepeatingTimer> scheduleRepeating(Seconds interval, Action action) override;
    void runAfter(Seconds delay, Action action) override;

    void advance(Seconds duration);

    // Virtual time since the service was made.
    Seconds now() const { return now_; }
    std::size_t runningTimerCount() const;
    // Intervals of the running repeating timers, in the order they were scheduled.
    std::vector<Seconds> runningIntervals() const;
    std::size_t pendingDelayedCount() const { return delayed_.size(); }

    // When a timer or delayed action falls due; ties go to the one scheduled first.
    struct Due {
        Seconds time;
        std::uint64_t order;
        friend auto operator<=>(const Due&, const Due&) = default;
    };
    struct Timer;

private:
    struct Delayed {
        Seconds when;
        std::uint64_t order;
        Action action;
        Due due() const { return {when, order}; }
    };

    bool fireNextDueBy(Seconds end);
    void moveTo(Seconds time);
    void prune();

    FakeClock* clock_;
    Seconds now_{0.0};
    std::uint64_t nextOrder_ = 0;
    std::vector<std::shared_ptr<Timer>> timers_;
    std::vector<Delayed> delayed_;
};

} // namespace wigglepad
