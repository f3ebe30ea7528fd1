#pragma once

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <chrono>
#include <vector>

namespace wigglepad {

// When frames reach the screen, seen from outside through the X DAMAGE extension: every
// drawing to the root window or its children is reported, and reports closer together than a
// few milliseconds belong to the same frame (a frame may be put on screen rectangle by
// rectangle).
class ScreenFrames {
public:
    using Clock = std::chrono::steady_clock;

    // false when the display has no DAMAGE extension.
    static bool available(Display* display);
    explicit ScreenFrames(Display* display);
    ~ScreenFrames();
    ScreenFrames(const ScreenFrames&) = delete;
    ScreenFrames& operator=(const ScreenFrames&) = delete;

    // Takes the reports that have arrived; call it often (every millisecond).
    void poll();
    void restart() { frames_.clear(); }
    std::size_t frames() const { return frames_.size(); }
    // The interval between frames at quantile q (0.5 the median), in milliseconds.
    double intervalMs(double q) const;

private:
    Display* display_;
    Damage damage_;
    int eventBase_ = 0;
    std::vector<Clock::time_point> frames_;
    Clock::time_point lastReport_;
};

} // namespace wigglepad
