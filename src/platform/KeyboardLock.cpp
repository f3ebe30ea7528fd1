#include "KeyboardLock.h"

#include "InputGrab.h"
#include "WaylandShortcutsInhibitor.h"

#include <QGuiApplication>

namespace wigglepad {

std::unique_ptr<KeyboardLock> KeyboardLock::forPlatform(std::ostream& errors) {
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        return std::make_unique<WaylandShortcutsInhibitor>(errors);
    }
    return std::make_unique<InputGrab>(errors);
}

} // namespace wigglepad
