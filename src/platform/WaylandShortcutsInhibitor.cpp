#include "WaylandShortcutsInhibitor.h"

#include "keyboard-shortcuts-inhibit-unstable-v1-client-protocol.h"

#include <QGuiApplication>
#include <cstring>
#include <ostream>
#include <qpa/qplatformnativeinterface.h>
#include <wayland-client.h>

namespace wigglepad {
namespace {

// The globals this lock needs, found in the compositor's registry.
struct Globals {
    zwp_keyboard_shortcuts_inhibit_manager_v1* manager = nullptr;
    wl_seat* seat = nullptr;
};

void announced(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
               std::uint32_t /*version*/) {
    auto& globals = *static_cast<Globals*>(data);
    const wl_interface& managerInterface = zwp_keyboard_shortcuts_inhibit_manager_v1_interface;
    if (std::strcmp(interface, managerInterface.name) == 0 && globals.manager == nullptr) {
        globals.manager = static_cast<zwp_keyboard_shortcuts_inhibit_manager_v1*>(
            wl_registry_bind(registry, name, &managerInterface, 1));
    } else if (std::strcmp(interface, wl_seat_interface.name) == 0 && globals.seat == nullptr) {
        globals.seat =
            static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    }
}

void withdrawn(void*, wl_registry*, std::uint32_t) {}

constexpr wl_registry_listener kRegistryListener = {announced, withdrawn};

// Reads the registry on a queue of its own, so that the answers neither wait for Qt's event
// thread nor reach Qt's handlers; what was bound then moves to Qt's queue, which Qt dispatches
// on the main thread.
Globals bindGlobals(wl_display* display) {
    Globals globals;
    wl_event_queue* queue = wl_display_create_queue(display);
    auto* wrapped = static_cast<wl_display*>(wl_proxy_create_wrapper(display));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapped), queue);
    wl_registry* registry = wl_display_get_registry(wrapped);
    wl_registry_add_listener(registry, &kRegistryListener, &globals);
    // The first round trip lists the globals, the second settles what binding them sent back.
    wl_display_roundtrip_queue(display, queue);
    wl_display_roundtrip_queue(display, queue);
    for (void* proxy : {static_cast<void*>(globals.manager), static_cast<void*>(globals.seat)}) {
        if (proxy != nullptr) {
            wl_proxy_set_queue(static_cast<wl_proxy*>(proxy), nullptr);
        }
    }
    wl_registry_destroy(registry);
    wl_proxy_wrapper_destroy(wrapped);
    wl_event_queue_destroy(queue);
    return globals;
}

} // namespace

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
        const Globals globals = bindGlobals(display_);
        manager_ = globals.manager;
        seat_ = globals.seat;
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
