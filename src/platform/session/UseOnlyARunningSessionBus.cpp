#include "UseOnlyARunningSessionBus.h"

#include <QByteArray>

namespace wigglepad {

void useOnlyARunningSessionBus() {
    // The library's own first choice, without the launch it falls back on.
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        qputenv("DBUS_SESSION_BUS_ADDRESS", QByteArrayLiteral("unix:runtime=yes"));
    }
}

} // namespace wigglepad
