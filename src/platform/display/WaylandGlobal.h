#pragma once

#include <cstdint>
#include <span>

struct wl_display;
struct wl_interface;

namespace wigglepad {

// One global of the compositor's to bind, at version 1: its interface, optionally a listener
// to hear what it says at once (a seat's capabilities), and once bound the proxy, or null
// when the compositor announces none of that interface.
struct WaylandGlobal {
    const wl_interface* interface = nullptr;
    const void* listener = nullptr;
    void* listenerData = nullptr;
    void* proxy = nullptr;

    // Binds the first announced global of each interface. The registry is read on a queue of
    // its own, so that the answers neither wait for Qt's event thread nor reach Qt's handlers;
    // the listeners hear what binding sent back before this returns, and from then on the
    // proxies live on Qt's queue, which Qt dispatches on the main thread.
    static void bindAll(wl_display* display, std::span<WaylandGlobal> globals);
};

} // namespace wigglepad
