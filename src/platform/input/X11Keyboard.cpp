#include "X11Keyboard.h"

#include "X11Connection.h"

#include <cstdlib>
#include <memory>
#include <xkbcommon/xkbcommon-x11.h>

// The XKB protocol header names a field "explicit", a C++ keyword.
#define explicit explicit_field
#include <xcb/xkb.h>
#undef explicit

namespace wigglepad {
namespace {

// The application's X connection with XKB ready on it, or null.
xcb_connection_t* x11Connection() {
    xcb_connection_t* connection = applicationX11Connection();
    if (connection == nullptr) {
        return nullptr;
    }
    const bool haveXkb = xkb_x11_setup_xkb_extension(connection, XKB_X11_MIN_MAJOR_XKB_VERSION,
                                                     XKB_X11_MIN_MINOR_XKB_VERSION,
                                                     XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr,
                                                     nullptr, nullptr, nullptr) != 0;
    return haveXkb ? connection : nullptr;
}

} // namespace

xkb_keymap* loadX11Keymap(xkb_context* context) {
    xcb_connection_t* connection = x11Connection();
    if (connection == nullptr) {
        return nullptr;
    }
    const std::int32_t keyboard = xkb_x11_get_core_keyboard_device_id(connection);
    if (keyboard == -1) {
        return nullptr;
    }
    return xkb_x11_keymap_new_from_device(context, connection, keyboard,
                                          XKB_KEYMAP_COMPILE_NO_FLAGS);
}

std::optional<std::uint8_t> x11XkbEventBase() {
    xcb_connection_t* connection = x11Connection();
    const xcb_query_extension_reply_t* xkb =
        connection != nullptr ? xcb_get_extension_data(connection, &xcb_xkb_id) : nullptr;
    if (xkb == nullptr || xkb->present == 0) {
        return std::nullopt;
    }
    return xkb->first_event;
}

bool isX11KeymapChange(const void* xcbEvent, std::uint8_t xkbEventBase) {
    // Every XKB event shares one event number; its own kind follows in the next byte.
    const auto* event = static_cast<const xcb_xkb_map_notify_event_t*>(xcbEvent);
    constexpr std::uint8_t kSentByClient = 0x80;
    if ((event->response_type & ~kSentByClient) != xkbEventBase) {
        return false;
    }
    return event->xkbType == XCB_XKB_NEW_KEYBOARD_NOTIFY || event->xkbType == XCB_XKB_MAP_NOTIFY;
}

bool useX11DetectableAutoRepeat() {
    xcb_connection_t* connection = x11Connection();
    if (connection == nullptr) {
        return false;
    }
    constexpr std::uint32_t kFlag = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;
    const auto cookie =
        xcb_xkb_per_client_flags(connection, XCB_XKB_ID_USE_CORE_KBD, kFlag, kFlag, 0, 0, 0);
    const std::unique_ptr<xcb_xkb_per_client_flags_reply_t, decltype(&std::free)> reply(
        xcb_xkb_per_client_flags_reply(connection, cookie, nullptr), &std::free);
    return reply && (reply->supported & kFlag) != 0 && (reply->value & kFlag) != 0;
}

} // namespace wigglepad
