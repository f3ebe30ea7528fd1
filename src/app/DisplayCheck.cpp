#include "DisplayCheck.h"

#include <cstdlib>
#include <sstream>
#include <string_view>
#include <vector>

namespace wigglepad {

namespace {

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Qt takes "-platform name" and "--platform name".
std::string platformArgument(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-platform" || argument == "--platform")
            return argv[i + 1];
    }
    return {};
}

// A platform list such as "wayland;xcb" is tried in order; "name:options" carries options.
std::vector<std::string> platformNames(const std::string& platform) {
    std::vector<std::string> names;
    std::istringstream list(platform);
    for (std::string entry; std::getline(list, entry, ';');) {
        if (const std::string name = entry.substr(0, entry.find(':')); !name.empty())
            names.push_back(name);
    }
    return names;
}

bool isWayland(const std::string& name) {
    return name.starts_with("wayland");
}

bool canOpen(const std::string& name, const DisplayEnvironment& environment) {
    if (name == "xcb")
        return !environment.x11Display.empty();
    if (isWayland(name))
        return !environment.waylandDisplay.empty();
    return true;
}

} // namespace

DisplayEnvironment DisplayEnvironment::current(int argc, char** argv) {
    std::string platform = platformArgument(argc, argv);
    if (platform.empty())
        platform = variable("QT_QPA_PLATFORM");
    return {platform, variable("DISPLAY"), variable("WAYLAND_DISPLAY")};
}

std::optional<std::string> missingDisplay(const DisplayEnvironment& environment) {
    std::vector<std::string> names = platformNames(environment.platform);
    if (names.empty())
        names = {"xcb", "wayland"}; // Qt's default is one of the two, by session type
    bool wantsX11 = false;
    bool wantsWayland = false;
    for (const std::string& name : names) {
        if (canOpen(name, environment))
            return std::nullopt;
        wantsX11 = wantsX11 || name == "xcb";
        wantsWayland = wantsWayland || isWayland(name);
    }
    if (wantsX11 && wantsWayland)
        return "no display to show the play surface on: neither DISPLAY nor WAYLAND_DISPLAY "
               "is set";
    return std::string("no display to show the play surface on: ") +
           (wantsX11 ? "DISPLAY" : "WAYLAND_DISPLAY") + " is not set";
}

} // namespace wigglepad
