#include "WaylandGlobal.h"

#include <cstring>
#include <wayland-client.h>

namespace wigglepad {
namespace {

void announced(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
               std::uint32_t /*version*/) {
    for (WaylandGlobal& global : *static_cast<std::span<WaylandGlobal>*>(data)) {
        if (global.proxy != nullptr || std::strcmp(interface, global.interface->name) != 0) {
            continue;
        }
        global.proxy = wl_registry_bind(registry, name, global.interface, 1);
        if (global.listener != nullptr) {
            wl_proxy_add_listener(static_cast<wl_proxy*>(global.proxy),
                                  reinterpret_cast<void (**)()>(const_cast<void*>(global.listener)),
                                  global.listenerData);
        }
        return;
    }
}

void withdrawn(void*, wl_registry*, std::uint32_t) {}

constexpr wl_registry_listener kRegistryListener = {announced, withdrawn};

} // namespace

void WaylandGlobal::bindAll(wl_display* display, std::span<WaylandGlobal> globals) {
    wl_event_queue* queue = wl_display_create_queue(display);
    auto* wrapped = static_cast<wl_display*>(wl_proxy_create_wrapper(display));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapped), queue);
    wl_registry* registry = wl_display_get_registry(wrapped);
    wl_registry_add_listener(registry, &kRegistryListener, &globals);
    // The first round trip lists the globals, the second settles what binding them sent back.
    wl_display_roundtrip_queue(display, queue);
    wl_display_roundtrip_queue(display, queue);
    for (const WaylandGlobal& global : globals) {
        if (global.proxy != nullptr) {
            wl_proxy_set_queue(static_cast<wl_proxy*>(global.proxy), nullptr);
        }
    }
    wl_registry_destroy(registry);
    wl_proxy_wrapper_destroy(wrapped);
    wl_event_queue_destroy(queue);
}

} // namespace wigglepad
