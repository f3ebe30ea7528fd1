#pragma once

#include <QtGlobal>
#include <string>
#include <vector>

namespace wigglepad {

// Watches Qt's messages while the application object opens the display. When no platform
// plugin can start (a display that is set but does not answer, say), Qt ends the process with
// an abort after a few lines of its own; the guard instead says so in one line and ends the
// process with status 1. Once the display is open, the held lines are passed on as they came.
// One guard at a time.
class PlatformStartGuard {
public:
    PlatformStartGuard();
    ~PlatformStartGuard();
    PlatformStartGuard(const PlatformStartGuard&) = delete;
    PlatformStartGuard& operator=(const PlatformStartGuard&) = delete;

private:
    struct HeldMessage {
        QtMsgType type;
        std::string category;
        std::string text;
    };

    static void hold(QtMsgType type, const QMessageLogContext& context, const QString& text);

    static PlatformStartGuard* active_;
    QtMessageHandler previous_;
    std::vector<HeldMessage> held_;
};

} // namespace wigglepad
