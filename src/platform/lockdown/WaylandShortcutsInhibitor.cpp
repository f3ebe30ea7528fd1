#include "WaylandShortcutsInhibitor.h"

#include "WaylandGlobal.h"
#include "keyboard-shortcuts-inhibit-unstable-v1-client-protocol.h"

#include <QGuiApplication>
#include <ostream>
#include <qpa/qplatformnativeinterface.h>
#include <wayland-client.h>

namespace wigglepad {

WaylandShortcutsInhibitor::WaylandShortcutsInhibitor(std::ostream& errors)
    : errors_(errors) {}

WaylandShortcutsInhibitor::~WaylandShortcutsInhibitor() {
    // Without the application its connection to the compositor is gone, and with it every proxy.
    if (QGuiApplication::instance() == nullptr) {
        return;
    }
    dropInhibitor();
    if (manager_ != nullptr) {
        zwp_keyboard_shortcuts_inhibit_manager_v1_destroy(manager_);
    }
    if (seat_ != nullptr) {
        wl_seat_destroy(seat_);
    }
}

void WaylandShortcutsInhibitor::setWindow(QWindow* window) {
    if (window != window_) {
        dropInhibitor();
    }
    window_ = window;
    retake();
}

void WaylandShortcutsInhibitor::setWanted(bool wanted) {
    wanted_ = wanted;
    if (wanted_) {
        retake();
        return;
    }
    dropInhibitor();
}

void WaylandShortcutsInhibitor::retake() {
    if (!wanted_ || !window_ || !window_->isExposed() || !findManager()) {
        return;
    }
    wl_surface* surface = windowSurface();
    // Qt makes a new surface each time the window comes back on screen; the old one's
    // inhibitor went with it.
    if (surface != nullptr && surface != inhibitedSurface_) {
        dropInhibitor();
        inhibit(surface);
    }
}

bool WaylandShortcutsInhibitor::findManager() {
    if (searched_) {
        return manager_ != nullptr;
    }
    searched_ = true;
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    if (native != nullptr) {
        display_ = static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display"));
    }
    if (display_ != nullptr) {
        WaylandGlobal globals[] = {{&zwp_keyboard_shortcuts_inhibit_manager_v1_interface},
                                   {&wl_seat_interface}};
        WaylandGlobal::bindAll(display_, globals);
        manager_ = static_cast<zwp_keyboard_shortcuts_inhibit_manager_v1*>(globals[0].proxy);
        seat_ = static_cast<wl_seat*>(globals[1].proxy);
    }
    if (manager_ == nullptr || seat_ == nullptr) {
        errors_ << "wigglepad: this Wayland desktop cannot pass its shortcuts (Alt+Tab, Super) "
                   "to a program; they stay active while the child plays.\n";
        errors_.flush();
        return false;
    }
    return true;
}

wl_surface* WaylandShortcutsInhibitor::windowSurface() const {
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    if (native == nullptr || window_->handle() == nullptr) {
        return nullptr;
    }
    return static_cast<wl_surface*>(native->nativeResourceForWindow("surface", window_));
}

void WaylandShortcutsInhibitor::inhibit(wl_surface* surface) {
    static constexpr zwp_keyboard_shortcuts_inhibitor_v1_listener kListener = {activated,
                                                                               deactivated};
    inhibitor_ =
        zwp_keyboard_shortcuts_inhibit_manager_v1_inhibit_shortcuts(manager_, surface, seat_);
    zwp_keyboard_shortcuts_inhibitor_v1_add_listener(inhibitor_, &kListener, this);
    inhibitedSurface_ = surface;
    wl_display_flush(display_);
}

void WaylandShortcutsInhibitor::dropInhibitor() {
    active_ = false;
    inhibitedSurface_ = nullptr;
    if (inhibitor_ == nullptr) {
        return;
    }
    zwp_keyboard_shortcuts_inhibitor_v1_destroy(inhibitor_);
    inhibitor_ = nullptr;
    // Now, not when Qt next flushes: the person may press Alt+Tab the moment play ends.
    wl_display_flush(display_);
}

void WaylandShortcutsInhibitor::activated(void* self, zwp_keyboard_shortcuts_inhibitor_v1*) {
    static_cast<WaylandShortcutsInhibitor*>(self)->active_ = true;
}

void WaylandShortcutsInhibitor::deactivated(void* self, zwp_keyboard_shortcuts_inhibitor_v1*) {
    static_cast<WaylandShortcutsInhibitor*>(self)->active_ = false;
}

} // namespace wigglepad
