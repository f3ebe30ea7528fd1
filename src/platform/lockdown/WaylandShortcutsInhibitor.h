#pragma once

#include "KeyboardLock.h"

#include <QPointer>
#include <QWindow>

struct wl_display;
struct wl_seat;
struct wl_surface;
struct zwp_keyboard_shortcuts_inhibit_manager_v1;
struct zwp_keyboard_shortcuts_inhibitor_v1;

namespace wigglepad {

// The keyboard lock on Wayland, where a program cannot grab the keyboard: asks the compositor,
// through the keyboard-shortcuts-inhibit protocol, to pass its own shortcuts (Alt+Tab, Super,
// switching workspaces) to the kiosk window's surface instead of acting on them. The compositor
// decides: it reports the inhibitor active while the window has the keyboard and, on desktops
// that ask the person first, once they allowed it. A compositor without the protocol is said
// once; play goes on with its shortcuts working.
class WaylandShortcutsInhibitor final : public KeyboardLock {
public:
    explicit WaylandShortcutsInhibitor(std::ostream& errors);
    ~WaylandShortcutsInhibitor() override;

    WaylandShortcutsInhibitor(const WaylandShortcutsInhibitor&) = delete;
    WaylandShortcutsInhibitor& operator=(const WaylandShortcutsInhibitor&) = delete;

    void setWindow(QWindow* window) override;
    void setWanted(bool wanted) override;
    void retake() override;
    bool isHeld() const override { return active_; }

private:
    static void activated(void* self, zwp_keyboard_shortcuts_inhibitor_v1* inhibitor);
    static void deactivated(void* self, zwp_keyboard_shortcuts_inhibitor_v1* inhibitor);
    bool findManager();
    wl_surface* windowSurface() const;
    void inhibit(wl_surface* surface);
    void dropInhibitor();

    std::ostream& errors_;
    QPointer<QWindow> window_;
    bool wanted_ = false;
    bool active_ = false;
    bool searched_ = false;
    wl_display* display_ = nullptr;
    wl_seat* seat_ = nullptr;
    zwp_keyboard_shortcuts_inhibit_manager_v1* manager_ = nullptr;
    zwp_keyboard_shortcuts_inhibitor_v1* inhibitor_ = nullptr;
    wl_surface* inhibitedSurface_ = nullptr;
};

} // namespace wigglepad
