#pragma once

#include <atomic>
#include <iosfwd>
#include <string_view>

namespace wigglepad {

// A trouble told on the error stream the first time it happens and not again, however often it
// recurs: the adult reading the terminal gets one clear line, not a flood. Safe to say from any
// thread (the sound server's callbacks run on their own).
class SaidOnce {
public:
    explicit SaidOnce(std::ostream& errors)
        : errors_(errors) {}

    // "wigglepad: <what>" on a line of its own, flushed, unless it was said before.
    void say(std::string_view what);
    bool said() const { return said_; }
    // For a trouble that a fresh attempt may meet again: the next one is said too.
    void forget() { said_ = false; }

private:
    std::ostream& errors_;
    std::atomic<bool> said_ = false;
};

} // namespace wigglepad
