#pragma once

class QWindow;

namespace wigglepad {

// What keeps the desktop's own keyboard shortcuts (Alt+Tab, Super, switching workspaces) from
// acting while the child plays, so that those keys reach the kiosk window instead: a keyboard
// and pointer grab on X11 (the window manager binds clicks with modifiers too), a shortcuts
// inhibitor on Wayland, whose compositors grant no grabs.
class KeyboardLock {
public:
    virtual ~KeyboardLock() = default;

    virtual void setWindow(QWindow* window) = 0;
    // Whether the program wants the keyboard; giving it up releases the lock at once.
    virtual void setWanted(bool wanted) = 0;
    // Takes the lock (again) if it is wanted and the window is on screen; called whenever the
    // window shows or becomes active, since some desktops drop the lock when it does not.
    virtual void retake() = 0;
    // The desktop confirmed the lock: its shortcuts now reach the window.
    virtual bool isHeld() const = 0;
};

} // namespace wigglepad
