// Floods the X display with a frantic child's input through XTEST: random keys of the whole
// keymap (modifiers and whatever non-Latin keysyms it holds included, up to three held at
// once), pointer jumps and walks, random buttons and the wheel. Clicks keep out of the top-right
// corner, where five rapid ones are an adult's way out, and every key and button is let go
// within moments, so no hold ever reaches an exit. Everything held is released at the end.
// Usage: wigglepad_input_flood <seconds> <key presses per second> <pointer events per second>
#include "XTestInput.h"

#include <X11/XKBlib.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <random>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using wigglepad::XTestInput;

constexpr int kCornerKeptClear = 120; // pixels, beyond the 44-point zone even at twice the scale
constexpr unsigned int kFirstWheelButton = 4; // after left, middle and right; the wheel has four

class Flood {
public:
    explicit Flood(XTestInput& input)
        : input_(input)
        , x_(input.screenWidth() / 2)
        , y_(input.screenHeight() / 2) {
        int lowest = 0, highest = 0;
        XDisplayKeycodes(input.display(), &lowest, &highest);
        for (int code = lowest; code <= highest; ++code) {
            if (XkbKeycodeToKeysym(input.display(), static_cast<KeyCode>(code), 0, 0) != NoSymbol)
                keycodes_.push_back(static_cast<unsigned int>(code));
        }
    }

    bool hasKeys() const { return !keycodes_.empty(); }

    // A press of a new key, after letting go of the oldest held one when three are down.
    void keyEvent() {
        if (held_.size() >= 3 || (!held_.empty() && chance(0.5))) {
            input_.key(held_.front(), false);
            held_.pop_front();
        }
        const unsigned int keycode = keycodes_[below(keycodes_.size())];
        if (std::find(held_.begin(), held_.end(), keycode) == held_.end()) {
            input_.key(keycode, true);
            held_.push_back(keycode);
            ++keyPresses;
        }
    }

    void pointerEvent() {
        ++pointerEvents;
        const int width = input_.screenWidth();
        const int height = input_.screenHeight();
        if (chance(0.85)) {
            const bool jump = chance(0.05);
            x_ = jump ? static_cast<int>(below(width)) : std::clamp(x_ + step(), 0, width - 1);
            y_ = jump ? static_cast<int>(below(height)) : std::clamp(y_ + step(), 0, height - 1);
            input_.moveTo(x_, y_);
            return;
        }
        if (x_ > width - kCornerKeptClear && y_ < kCornerKeptClear) {
            y_ = kCornerKeptClear + static_cast<int>(below(kCornerKeptClear));
            input_.moveTo(x_, y_);
        }
        const auto button = static_cast<unsigned int>(1 + below(7));
        if (button < kFirstWheelButton) {
            buttonsDown_[button] = !buttonsDown_[button];
            input_.button(button, buttonsDown_[button]);
        } else {
            input_.button(button, true);
            input_.button(button, false);
        }
    }

    void releaseAll() {
        for (const unsigned int keycode : held_)
            input_.key(keycode, false);
        for (unsigned int button = 1; button < kFirstWheelButton; ++button)
            input_.button(button, false);
        input_.sync();
    }

    long keyPresses = 0;
    long pointerEvents = 0;

private:
    bool chance(double p) { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_) < p; }
    std::size_t below(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(engine_);
    }
    int step() { return std::uniform_int_distribution<int>(-40, 40)(engine_); }

    XTestInput& input_;
    std::vector<unsigned int> keycodes_;
    std::mt19937_64 engine_{std::random_device{}()};
    std::deque<unsigned int> held_;
    bool buttonsDown_[kFirstWheelButton] = {};
    int x_;
    int y_;
};

} // namespace

int main(int argc, char** argv) {
    XTestInput input;
    if (argc != 4 || !input.ok()) {
        std::fprintf(stderr, "usage: %s <seconds> <keys/s> <pointer events/s>, on X with XTEST\n",
                     argv[0]);
        return 2;
    }
    const double seconds = std::atof(argv[1]);
    Flood flood(input);
    if (!flood.hasKeys()) {
        std::fprintf(stderr, "the keymap is empty\n");
        return 2;
    }
    const Clock::time_point start = Clock::now();
    for (long tick = 1;; ++tick) {
        const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
        if (elapsed >= seconds)
            break;
        while (static_cast<double>(flood.keyPresses) < elapsed * std::atof(argv[2]))
            flood.keyEvent();
        while (static_cast<double>(flood.pointerEvents) < elapsed * std::atof(argv[3]))
            flood.pointerEvent();
        // Syncing now and then keeps the flood at the pace the server takes it.
        tick % 50 == 0 ? input.sync() : input.flush();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    flood.releaseAll();
    std::printf("%ld key presses and %ld pointer events in %.0f s\n", flood.keyPresses,
                flood.pointerEvents, seconds);
    return 0;
}
