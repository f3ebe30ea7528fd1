#include "InputGrab.h"

#include <chrono>
#include <ostream>

namespace wigglepad {
namespace {

constexpr std::chrono::milliseconds kRetryInterval{200};
// About a second of failing: longer than the window manager ever holds the keyboard.
constexpr int kFailuresBeforeTelling = 6;

} // namespace

InputGrab::InputGrab(std::ostream& errors)
    : errors_(errors) {
    retry_.setInterval(kRetryInterval);
    connect(&retry_, &QTimer::timeout, this, &InputGrab::retake);
}

void InputGrab::setWindow(QWindow* window) {
    window_ = window;
    retake();
}

void InputGrab::setWanted(bool wanted) {
    wanted_ = wanted;
    if (wanted_) {
        retake();
        return;
    }
    retry_.stop();
    failuresInARow_ = 0;
    if (held_ && window_) {
        grab(false);
    }
    held_ = false;
}

void InputGrab::retake() {
    if (!wanted_ || !window_ || !window_->isExposed()) {
        return;
    }
    held_ = grab(true);
    if (held_) {
        retry_.stop();
        failuresInARow_ = 0;
        return;
    }
    failed();
}

bool InputGrab::grab(bool on) {
    const bool keyboard = window_->setKeyboardGrabEnabled(on);
    const bool pointer = window_->setMouseGrabEnabled(on);
    return keyboard && pointer;
}

void InputGrab::failed() {
    if (!retry_.isActive()) {
        retry_.start();
    }
    if (++failuresInARow_ < kFailuresBeforeTelling || failureReported_) {
        return;
    }
    failureReported_ = true;
    errors_ << "wigglepad: cannot grab the keyboard and pointer (another program holds them, or "
               "grabs are turned off); desktop shortcuts such as Alt+Tab stay active.\n";
    errors_.flush();
}

} // namespace wigglepad
