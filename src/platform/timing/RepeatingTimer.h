#pragma once

namespace wigglepad {

// A running repeating timer. Destroying the handle stops the timer.
class RepeatingTimer {
public:
    virtual ~RepeatingTimer() = default;
    // Stops the timer for good; harmless when it is already stopped. A timer may stop itself
    // from inside its own action.
    virtual void invalidate() = 0;
    virtual bool isValid() const = 0;
};

} // namespace wigglepad
