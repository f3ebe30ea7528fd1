// Floods the X display with a frantic child's input through XTEST: random keys of the whole
// keymap (modifiers and whatever non-Latin keysyms it holds included, up to three held at
// once), pointer jumps and walks, random buttons and the wheel. Clicks keep out of the top-right
// corner, where five rapid ones are an adult's way out, and every key and button is let go
// within moments, so no hold ever reaches an exit. Everything held is released at the end.
// Usage: wigglepad_input_flood <seconds> <key presses per second> <pointer events per second>
#include "XTestInput.h"

#include <X11/XKBlib.h>
#include <X11/keysym.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <random>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using wigglepad::XTestInput;

constexpr int kCornerKeptClear = 120; // pixels, beyond the 44-point zone even at twice the scale
constexpr std::size_t kMostKeysHeld = 3;
constexpr unsigned int kButtons = 7; // left, middle, right, the wheel's four directions
constexpr unsigned int kFirstWheelButton = 4;

// Every keycode the keymap gives a keysym.
std::vector<unsigned int> mappedKeycodes(Display* display) {
    int lowest = 0;
    int highest = 0;
    XDisplayKeycodes(display, &lowest, &highest);
    std::vector<unsigned int> keycodes;
    for (int code = lowest; code <= highest; ++code) {
        const auto keycode = static_cast<KeyCode>(code);
        if (XkbKeycodeToKeysym(display, keycode, 0, 0) != NoSymbol) {
            keycodes.push_back(keycode);
        }
    }
    return keycodes;
}

class Flood {
public:
    Flood(XTestInput& input, std::uint64_t seed)
        : input_(input)
        , keycodes_(mappedKeycodes(input.display()))
        , engine_(seed)
        , x_(input.screenWidth() / 2)
        , y_(input.screenHeight() / 2) {}

    bool hasKeys() const { return !keycodes_.empty(); }

    // A press of a new key, after letting go of the oldest held one when enough are down.
    void keyEvent() {
        if (held_.size() >= kMostKeysHeld || (!held_.empty() && chance(0.5))) {
            input_.key(held_.front(), false);
            held_.pop_front();
        }
        const unsigned int keycode = keycodes_[below(keycodes_.size())];
        if (std::find(held_.begin(), held_.end(), keycode) == held_.end()) {
            input_.key(keycode, true);
            held_.push_back(keycode);
            ++keyPresses_;
        }
    }

    void pointerEvent() {
        if (chance(0.85)) {
            move();
        } else {
            buttonEvent();
        }
        ++pointerEvents_;
    }

    void releaseAll() {
        for (const unsigned int keycode : held_) {
            input_.key(keycode, false);
        }
        held_.clear();
        for (unsigned int button = 1; button < kFirstWheelButton; ++button) {
            input_.button(button, false);
        }
        input_.sync();
    }

    long keyPresses() const { return keyPresses_; }
    long pointerEvents() const { return pointerEvents_; }

private:
    void move() {
        const int width = input_.screenWidth();
        const int height = input_.screenHeight();
        if (chance(0.05)) {
            x_ = static_cast<int>(below(static_cast<std::size_t>(width)));
            y_ = static_cast<int>(below(static_cast<std::size_t>(height)));
        } else {
            x_ = std::clamp(x_ + step(), 0, width - 1);
            y_ = std::clamp(y_ + step(), 0, height - 1);
        }
        input_.moveTo(x_, y_);
    }

    void buttonEvent() {
        if (x_ > input_.screenWidth() - kCornerKeptClear && y_ < kCornerKeptClear) {
            y_ = kCornerKeptClear + static_cast<int>(below(kCornerKeptClear));
            input_.moveTo(x_, y_);
        }
        const auto button = static_cast<unsigned int>(1 + below(kButtons));
        if (button >= kFirstWheelButton) {
            input_.button(button, true);
            input_.button(button, false);
        } else {
            buttonsDown_[button] = !buttonsDown_[button];
            input_.button(button, buttonsDown_[button]);
        }
    }

    bool chance(double p) { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_) < p; }
    std::size_t below(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(engine_);
    }
    int step() { return std::uniform_int_distribution<int>(-40, 40)(engine_); }

    XTestInput& input_;
    std::vector<unsigned int> keycodes_;
    std::mt19937_64 engine_;
    std::deque<unsigned int> held_;
    bool buttonsDown_[kFirstWheelButton] = {};
    int x_;
    int y_;
    long keyPresses_ = 0;
    long pointerEvents_ = 0;
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <seconds> <keys per second> <pointer events per second>\n",
                     argv[0]);
        return 2;
    }
    const std::chrono::duration<double> span(std::atof(argv[1]));
    const double keyRate = std::atof(argv[2]);
    const double pointerRate = std::atof(argv[3]);
    XTestInput input;
    if (!input.ok()) {
        std::fprintf(stderr, "no X display with the XTEST extension\n");
        return 2;
    }
    Flood flood(input, std::random_device{}());
    if (!flood.hasKeys()) {
        std::fprintf(stderr, "the keymap is empty\n");
        return 2;
    }
    const Clock::time_point start = Clock::now();
    for (long tick = 1;; ++tick) {
        const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
        if (elapsed >= span.count()) {
            break;
        }
        while (static_cast<double>(flood.keyPresses()) < elapsed * keyRate) {
            flood.keyEvent();
        }
        while (static_cast<double>(flood.pointerEvents()) < elapsed * pointerRate) {
            flood.pointerEvent();
        }
        // Syncing now and then keeps the flood at the pace the server takes it.
        if (tick % 50 == 0) {
            input.sync();
        } else {
            input.flush();
        }
        std::this_thread::sleep_for(1ms);
    }
    flood.releaseAll();
    std::printf("%ld key presses and %ld pointer events in %.0f s\n", flood.keyPresses(),
                flood.pointerEvents(), span.count());
    return 0;
}
