#include "InputGrab.h"

#include "X11Connection.h"

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <ostream>
#include <xcb/xcb.h>

namespace wigglepad {
namespace {

constexpr std::chrono::milliseconds kRetryInterval{200};
// About a second of failing: longer than the window manager ever holds the keyboard.
constexpr int kFailuresBeforeTelling = 6;

// What Qt's own pointer grab asks for.
constexpr std::uint16_t kPointerEvents =
    XCB_EVENT_MASK_BUTTON_PRESS | XCB_EVENT_MASK_BUTTON_RELEASE | XCB_EVENT_MASK_BUTTON_MOTION |
    XCB_EVENT_MASK_POINTER_MOTION | XCB_EVENT_MASK_ENTER_WINDOW | XCB_EVENT_MASK_LEAVE_WINDOW;

} // namespace

InputGrab::InputGrab(std::ostream& errors)
    : cannotGrab_(errors) {
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

// Grabs turned off (Qt's -nograb) refuse the keyboard; the pointer then stays free as well.
bool InputGrab::grab(bool on) {
    const bool keyboard = window_->setKeyboardGrabEnabled(on);
    const bool pointer = (keyboard || !on) && grabPointer(on);
    return keyboard && pointer;
}

// On X11 the grab also confines the pointer to the window (the server moves it there first),
// so it cannot wander onto another monitor; Qt's own grab leaves it free.
bool InputGrab::grabPointer(bool on) {
    xcb_connection_t* connection = applicationX11Connection();
    if (connection == nullptr) {
        return window_->setMouseGrabEnabled(on);
    }
    if (!on) {
        xcb_ungrab_pointer(connection, XCB_CURRENT_TIME);
        xcb_flush(connection);
        return true;
    }
    const auto window = static_cast<xcb_window_t>(window_->winId());
    const auto cookie = xcb_grab_pointer(connection, 0, window, kPointerEvents, XCB_GRAB_MODE_ASYNC,
                                         XCB_GRAB_MODE_ASYNC, window, XCB_NONE, XCB_CURRENT_TIME);
    const std::unique_ptr<xcb_grab_pointer_reply_t, decltype(&std::free)> reply(
        xcb_grab_pointer_reply(connection, cookie, nullptr), &std::free);
    return reply && reply->status == XCB_GRAB_STATUS_SUCCESS;
}

void InputGrab::failed() {
    if (!retry_.isActive()) {
        retry_.start();
    }
    if (++failuresInARow_ >= kFailuresBeforeTelling)
        cannotGrab_.say("cannot grab the keyboard and pointer (another program holds them, or "
                        "grabs are turned off); desktop shortcuts such as Alt+Tab stay active.");
}

} // namespace wigglepad
