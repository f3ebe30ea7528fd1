#pragma once

#include <optional>
#include <string>

namespace wigglepad {

// Where Qt will look for a display, read before the application object exists: constructing
// it without a reachable display ends the process with an abort.
struct DisplayEnvironment {
    std::string platform;       // the -platform argument, else QT_QPA_PLATFORM; empty: Qt's default
    std::string x11Display;     // DISPLAY
    std::string waylandDisplay; // WAYLAND_DISPLAY

    static DisplayEnvironment current(int argc, char** argv);
};

// Why no display can be opened, in a few words for a one-line message; nothing when one may
// be. Platforms that need no display server (offscreen, for instance) are left to Qt.
std::optional<std::string> missingDisplay(const DisplayEnvironment& environment);

} // namespace wigglepad
