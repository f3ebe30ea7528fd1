#pragma once

#include <X11/Xlib.h>

namespace wigglepad {

// Input into an X display through the XTEST extension, exactly as if it came from the keyboard
// and the mouse: it goes through the server's grabs, focus and keymap like a child's would.
class XTestInput {
public:
    // Opens $DISPLAY; check ok() before use.
    XTestInput();
    ~XTestInput();
    XTestInput(const XTestInput&) = delete;
    XTestInput& operator=(const XTestInput&) = delete;

    bool ok() const { return display_ != nullptr; }
    Display* display() const { return display_; }
    int screenWidth() const;
    int screenHeight() const;

    void moveTo(int x, int y);
    void button(unsigned int button, bool down);
    void key(unsigned int keycode, bool down);
    // The keycode typing `keysym`, or 0 when the keymap has none.
    unsigned int keycode(KeySym keysym) const;
    void flush();
    // Waits until the server has taken everything sent; a server gone ends the process (Xlib).
    void sync();

private:
    Display* display_;
};

} // namespace wigglepad
