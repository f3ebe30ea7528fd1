#pragma once

#include "RepeatingTimer.h"

#include <chrono>
#include <functional>
#include <memory>

namespace wigglepad {

// Repeating timers and delayed actions on the main thread's event loop.
class TimerService {
public:
    using Seconds = std::chrono::duration<double>;
    using Action = std::function<void()>;

    virtual ~TimerService() = default;

    // Calls the action every interval, the first time one interval from now. A tick that is
    // late is delayed, never doubled: missed ticks are skipped.
    virtual std::unique_ptr<RepeatingTimer> scheduleRepeating(Seconds interval, Action action) = 0;
    // Calls the action once, after the delay.
    virtual void runAfter(Seconds delay, Action action) = 0;
};

} // namespace wigglepad
