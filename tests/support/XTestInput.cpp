#include "XTestInput.h"

#include <X11/extensions/XTest.h>

namespace wigglepad {

namespace {

Display* openWithXTest() {
    Display* display = XOpenDisplay(nullptr);
    int event = 0;
    int error = 0;
    int major = 0;
    int minor = 0;
    if (display && !XTestQueryExtension(display, &event, &error, &major, &minor)) {
        XCloseDisplay(display);
        return nullptr;
    }
    return display;
}

} // namespace

XTestInput::XTestInput()
    : display_(openWithXTest()) {}

XTestInput::~XTestInput() {
    if (display_) {
        XCloseDisplay(display_);
    }
}

int XTestInput::screenWidth() const {
    return DisplayWidth(display_, DefaultScreen(display_));
}

int XTestInput::screenHeight() const {
    return DisplayHeight(display_, DefaultScreen(display_));
}

void XTestInput::moveTo(int x, int y) {
    XTestFakeMotionEvent(display_, DefaultScreen(display_), x, y, CurrentTime);
}

void XTestInput::button(unsigned int button, bool down) {
    XTestFakeButtonEvent(display_, button, down ? True : False, CurrentTime);
}

void XTestInput::key(unsigned int keycode, bool down) {
    XTestFakeKeyEvent(display_, keycode, down ? True : False, CurrentTime);
}

unsigned int XTestInput::keycode(KeySym keysym) const {
    return XKeysymToKeycode(display_, keysym);
}

void XTestInput::flush() {
    XFlush(display_);
}

void XTestInput::sync() {
    XSync(display_, False);
}

} // namespace wigglepad
