#pragma once

#include "XTestInput.h"

#include <array>

namespace wigglepad {

// The same busy play every run, through real input: the pointer sweeps the screen 60 times a
// second, ten letter and digit keys a second, a click every 2 s and a 0.5 s drag every 5 s.
// The top strip and the top-right corner, where the adults' controls are, are left alone.
class ScriptedPlay {
public:
    explicit ScriptedPlay(XTestInput& input);

    // Sends everything due from the previous call up to `seconds` into the play.
    void advanceTo(double seconds);
    // Lets go of whatever is held.
    void stop();

private:
    void movePointer(double seconds);
    void tapKey(long tap);

    XTestInput& input_;
    std::array<unsigned int, 35> keys_{}; // letters but M, which is the adults', and digits
    double previous_ = -1.0;
    bool dragging_ = false;
    unsigned int keyDown_ = 0;
};

} // namespace wigglepad
