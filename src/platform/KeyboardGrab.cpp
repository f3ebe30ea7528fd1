#include "KeyboardGrab.h"

#include <chrono>
#include <ostream>

namespace wigglepad {
namespace {

constexpr std::chrono::milliseconds kRetryInterval{200};
// About a second of failing: longer than the window manager ever holds the keyboard.
constexpr int kFailuresBeforeTelling = 6;

} // namespace

KeyboardGrab::KeyboardGrab(std::ostream& errors)
    : errors_(errors) {
    retry_.setInterval(kRetryInterval);
    connect(&retry_, &QTimer::timeout, this, &KeyboardGrab::retake);
}

void KeyboardGrab::setWindow(QWindow* window) {
    window_ = window;
    retake();
}

void KeyboardGrab::setWanted(bool wanted) {
    wanted_ = wanted;
    if (wanted_) {
        retake();
        return;
    }
    retry_.stop();
    failuresInARow_ = 0;
    if (held_ && window_) {
        window_->setKeyboardGrabEnabled(false);
    }
    held_ = false;
}

void KeyboardGrab::retake() {
    if (!wanted_ || !window_ || !window_->isExposed()) {
        return;
    }
    held_ = window_->setKeyboardGrabEnabled(true);
    if (held_) {
        retry_.stop();
        failuresInARow_ = 0;
        return;
    }
    failed();
}

void KeyboardGrab::failed() {
    if (!retry_.isActive()) {
        retry_.start();
    }
    if (++failuresInARow_ < kFailuresBeforeTelling || failureReported_) {
        return;
    }
    failureReported_ = true;
    errors_ << "wigglepad: cannot grab the keyboard (another program holds it, or grabs are "
               "turned off); desktop shortcuts such as Alt+Tab stay active.\n";
    errors_.flush();
}

} // namespace wigglepad
