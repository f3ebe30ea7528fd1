#pragma once

#include "Published.h"
#include "TimeStamp.h"
#include "TimerService.h"

#include <memory>
#include <optional>

namespace wigglepad {

class RepeatingTimer;

// One of the two keyboard holds (Escape to quit, M for the mode menu), seen through the parts
// it works on: the delegate's timer and start-time fields and the progress the canvas draws. The
// same start, cancel and tick serve both holds; only these parts and the tick's outcome differ.
//
// A hold runs exactly while its timer field holds a timer, and its start time is present exactly
// while it runs.
class HoldGesture {
public:
    static constexpr TimerService::Seconds kTickInterval{0.05};

    HoldGesture(std::unique_ptr<RepeatingTimer>& timer, std::optional<TimeStamp>& start,
                Published<double>& progress, double duration)
        : timer_(timer)
        , start_(start)
        , progress_(progress)
        , duration_(duration) {}

    // Starts the hold at `now` unless it runs: `tick` then comes every 0.05 s, the first time
    // one interval from now. The progress is first written by that tick.
    void start(TimerService& timers, TimeStamp now, TimerService::Action tick);
    // Stops the hold, if it runs, and puts its progress back to 0.
    void cancel();
    // Publishes min(elapsed / duration, 1) for `now`; true once the hold has lasted its whole
    // duration. A hold that does not run publishes nothing and is not complete.
    bool tick(TimeStamp now);

private:
    std::unique_ptr<RepeatingTimer>& timer_;
    std::optional<TimeStamp>& start_;
    Published<double>& progress_;
    double duration_; // seconds the key must stay down
};

} // namespace wigglepad
