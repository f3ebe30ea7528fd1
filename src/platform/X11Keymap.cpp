#include "X11Keymap.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>
#include <xkbcommon/xkbcommon-x11.h>

namespace wigglepad {

xkb_keymap* loadX11Keymap(xkb_context* context) {
    const auto* application = qGuiApp;
    auto* x11 = application != nullptr
                    ? application->nativeInterface<QNativeInterface::QX11Application>()
                    : nullptr;
    if (x11 == nullptr) {
        return nullptr;
    }
    xcb_connection_t* connection = x11->connection();
    if (xkb_x11_setup_xkb_extension(
            connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
            XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, nullptr, nullptr) == 0) {
        return nullptr;
    }
    const std::int32_t keyboard = xkb_x11_get_core_keyboard_device_id(connection);
    if (keyboard == -1) {
        return nullptr;
    }
    return xkb_x11_keymap_new_from_device(context, connection, keyboard,
                                          XKB_KEYMAP_COMPILE_NO_FLAGS);
}

} // namespace wigglepad
