#pragma once

#include <chrono>
#include <cstdint>

namespace wigglepad {

// The target instants of a paced repeating tick: origin + n × interval, n = 1, 2, ... Pacing
// from fixed targets keeps the average rate exact however the waits between ticks round (a
// timer re-armed with a rounded 16 ms each time would run at 62.5 Hz instead of 60 Hz).
class TickSchedule {
public:
    using Clock = std::chrono::steady_clock;

    TickSchedule(Clock::time_point origin, Clock::duration interval);

    // Moves to the next target after `now` and returns it. Targets that have already passed
    // are skipped, so a late tick is followed by the next future target, never by a burst.
    Clock::time_point advance(Clock::time_point now);

    Clock::time_point currentTarget() const { return targetAt(index_); }
    // How many ticks advance() has moved past, the skipped ones included.
    std::int64_t index() const { return index_; }
    Clock::duration interval() const { return interval_; }

private:
    Clock::time_point targetAt(std::int64_t index) const { return origin_ + index * interval_; }

    Clock::time_point origin_;
    Clock::duration interval_;
    std::int64_t index_ = 0;
};

} // namespace wigglepad
