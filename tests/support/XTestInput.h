#pragma once

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace wigglepad {

// Input into an X display through the XTEST extension, exactly as if it came from the keyboard
// and the mouse: it goes through the server's grabs, focus and keymap like a child's would.
class XTestInput {
public:
    // Opens $DISPLAY; check ok() before use (false without a display or without XTEST).
    XTestInput()
        : display_(XOpenDisplay(nullptr)) {
        int unused = 0;
        if (display_ && !XTestQueryExtension(display_, &unused, &unused, &unused, &unused)) {
            XCloseDisplay(display_);
            display_ = nullptr;
        }
    }
    ~XTestInput() {
        if (display_)
            XCloseDisplay(display_);
    }
    XTestInput(const XTestInput&) = delete;
    XTestInput& operator=(const XTestInput&) = delete;

    bool ok() const { return display_ != nullptr; }
    Display* display() const { return display_; }
    int screenWidth() const { return DisplayWidth(display_, DefaultScreen(display_)); }
    int screenHeight() const { return DisplayHeight(display_, DefaultScreen(display_)); }

    void moveTo(int x, int y) {
        XTestFakeMotionEvent(display_, DefaultScreen(display_), x, y, CurrentTime);
    }
    void button(unsigned int button, bool down) {
        XTestFakeButtonEvent(display_, button, down, CurrentTime);
    }
    void key(unsigned int keycode, bool down) {
        XTestFakeKeyEvent(display_, keycode, down, CurrentTime);
    }
    // The keycode typing `keysym`, or 0 when the keymap has none.
    unsigned int keycode(KeySym keysym) const { return XKeysymToKeycode(display_, keysym); }
    void flush() { XFlush(display_); }
    // Waits until the server has taken everything sent; a server gone ends the process (Xlib).
    void sync() { XSync(display_, False); }

private:
    Display* display_;
};

} // namespace wigglepad
