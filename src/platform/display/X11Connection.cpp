#include "X11Connection.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

namespace wigglepad {

xcb_connection_t* applicationX11Connection() {
    const auto* application = qGuiApp;
    auto* x11 = application != nullptr
                    ? application->nativeInterface<QNativeInterface::QX11Application>()
                    : nullptr;
    return x11 != nullptr ? x11->connection() : nullptr;
}

} // namespace wigglepad
