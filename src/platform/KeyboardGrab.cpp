#include "KeyboardGrab.h"

#include <ostream>

namespace wigglepad {

KeyboardGrab::KeyboardGrab(std::ostream& errors)
    : errors_(errors) {}

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
    if (!held_) {
        reportFailure();
    }
}

void KeyboardGrab::reportFailure() {
    if (failureReported_) {
        return;
    }
    failureReported_ = true;
    errors_ << "wigglepad: cannot grab the keyboard (another program holds it, or grabs are "
               "turned off); desktop shortcuts such as Alt+Tab stay active.\n";
    errors_.flush();
}

} // namespace wigglepad
