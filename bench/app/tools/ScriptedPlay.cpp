#include "ScriptedPlay.h"

#include <X11/keysym.h>
#include <cmath>

namespace wigglepad {

namespace {

constexpr double kMovesPerSecond = 60.0;
constexpr double kKeysPerSecond = 10.0;
constexpr double kKeyHeld = 0.03; // seconds
constexpr double kClickEvery = 2.0;
constexpr double kFirstClick = 1.0;
constexpr double kDragEvery = 5.0;
constexpr double kFirstDrag = 1.75; // between clicks, never over one
constexpr double kDragLasts = 0.5;
constexpr unsigned int kLeftButton = 1;
constexpr char kKeys[] = "abcdefghijklnopqrstuvwxyz0123456789";

// How many times something recurring every `every` seconds from `first` is due by `seconds`.
long dueBy(double seconds, double first, double every) {
    return seconds < first ? 0 : static_cast<long>(std::floor((seconds - first) / every)) + 1;
}

bool crossed(double from, double to, double first, double every) {
    return dueBy(to, first, every) > dueBy(from, first, every);
}

} // namespace

ScriptedPlay::ScriptedPlay(XTestInput& input)
    : input_(input) {
    for (std::size_t i = 0; i < keys_.size(); ++i) {
        keys_[i] = input_.keycode(static_cast<KeySym>(kKeys[i]));
    }
}

void ScriptedPlay::advanceTo(double seconds) {
    const double from = previous_;
    previous_ = seconds;
    if (crossed(from, seconds, 0.0, 1.0 / kMovesPerSecond)) {
        movePointer(seconds);
    }
    if (keyDown_ != 0 && crossed(from, seconds, kKeyHeld, 1.0 / kKeysPerSecond)) {
        input_.key(keyDown_, false);
        keyDown_ = 0;
    }
    if (crossed(from, seconds, 0.0, 1.0 / kKeysPerSecond)) {
        tapKey(dueBy(seconds, 0.0, 1.0 / kKeysPerSecond));
    }
    if (crossed(from, seconds, kFirstClick, kClickEvery)) {
        input_.button(kLeftButton, true);
        input_.button(kLeftButton, false);
    }
    if (crossed(from, seconds, kFirstDrag, kDragEvery) ||
        crossed(from, seconds, kFirstDrag + kDragLasts, kDragEvery)) {
        dragging_ = !dragging_;
        input_.button(kLeftButton, dragging_);
    }
    input_.flush();
}

void ScriptedPlay::stop() {
    if (keyDown_ != 0) {
        input_.key(keyDown_, false);
    }
    if (dragging_) {
        input_.button(kLeftButton, false);
    }
    input_.sync();
}

// A Lissajous sweep over the screen below the banner strip, away from the right edge's corner.
void ScriptedPlay::movePointer(double seconds) {
    const double width = input_.screenWidth();
    const double height = input_.screenHeight();
    const double x = width * (0.45 + 0.4 * std::sin(seconds * 0.9));
    const double y = height * (0.55 + 0.35 * std::sin(seconds * 1.3));
    input_.moveTo(static_cast<int>(x), static_cast<int>(y));
}

void ScriptedPlay::tapKey(long tap) {
    keyDown_ = keys_[static_cast<std::size_t>(tap) % keys_.size()];
    input_.key(keyDown_, true);
}

} // namespace wigglepad
