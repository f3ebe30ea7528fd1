#pragma once

#include "Published.h"
#include "RepeatingTimer.h"
#include "TimeStamp.h"
#include "TimerService.h"

#include <functional>
#include <memory>

namespace wigglepad {

class Clock;

// One of the two keyboard holds (Escape to quit, M for the mode menu): the key's first press
// starts it, its release cancels it, and meanwhile its own timer publishes the progress the
// canvas draws. The same hold serves both keys; only the progress, the duration and what
// completing does differ.
class HoldGesture {
public:
    static constexpr TimerService::Seconds kTickInterval{0.05};

    // `completed` runs on each tick once the hold has lasted `duration` seconds, until it stops.
    HoldGesture(TimerService& timers, const Clock& clock, Published<double>& progress,
                double duration, std::function<void()> completed);
    HoldGesture(const HoldGesture&) = delete;
    HoldGesture& operator=(const HoldGesture&) = delete;

    // The first press starts the hold: a tick every 0.05 s, the first one interval from now,
    // writes min(elapsed / duration, 1) to the progress. Presses while the key is down, the
    // auto-repeated ones included, do nothing.
    void keyDown();
    // The key let go, or its release lost: the hold stops and the next press starts it anew.
    void keyUp();
    // Stops the hold, if it runs, and puts its progress back to 0. The key counts as down still,
    // so holding on starts nothing.
    void stop();

private:
    void tick();

    TimerService& timers_;
    const Clock& clock_;
    Published<double>& progress_;
    double duration_; // seconds the key must stay down
    std::function<void()> completed_;
    bool keyDown_ = false;
    std::unique_ptr<RepeatingTimer> timer_; // exactly while the hold runs
    TimeStamp start_ = kDistantPast;        // when the running hold began
};

} // namespace wigglepad
