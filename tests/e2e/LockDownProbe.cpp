// A stand-in kiosk window for the lock-down's end-to-end tests: locks the desktop down with the
// presentation options given as its first argument (490 when none), holding off the session's
// end with --hold-off-session-end. Reports on stdout, one line each: "ready" (on screen and
// active); "grabbed" and "released" (the keyboard grab on X11, the inhibitor on Wayland); "key
// <position code> <characters as hex bytes>[ repeat]" and "up <code>"; "qtkey <keys>" as Qt
// names them ("Alt+Tab"), for a virtual keyboard brings a keymap of its own. Lines on stdin steer
// it: "options <n>"; "stall <seconds>" stops the main loop that long, as a hung program would.
#include "DesktopSessionEndGuard.h"
#include "EventMonitor.h"
#include "QtSystemShell.h"

#include <QApplication>
#include <QColor>
#include <QKeyEvent>
#include <QKeySequence>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <thread>

namespace {

using namespace wigglepad;

void report(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

InputDisposition reportKeys(const InputEvent& event) {
    const std::string code = std::to_string(event.keyCode);
    if (event.kind == InputEvent::Kind::keyUp)
        report("up " + code);
    if (event.kind != InputEvent::Kind::keyDown)
        return InputDisposition::swallow;
    const QByteArray hex = QByteArray::fromStdString(event.characters).toHex();
    report("key " + code + " " + (hex.isEmpty() ? "-" : hex.toStdString()) +
           (event.isAutoRepeat ? " repeat" : ""));
    return InputDisposition::swallow;
}

// Names the keys Qt sees, without swallowing them.
class QtKeyReporter final : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto& key = static_cast<const QKeyEvent&>(*event);
            report("qtkey " + QKeySequence(key.keyCombination()).toString().toStdString());
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("wigglepad lock-down probe"));
    window.show();
    QWindow& handle = *window.windowHandle();
    const auto guard = application.arguments().contains(QStringLiteral("--hold-off-session-end"))
                           ? std::make_unique<DesktopSessionEndGuard>(std::cerr)
                           : nullptr;
    QtSystemShell shell(std::cerr, guard.get());
    shell.attachWindow(handle, QColor::fromRgbF(0.98f, 0.97f, 0.95f)); // the play surface's
    shell.setTerminationDelegate({[] { return false; }, {}});
    shell.setResignActiveHandler([&shell] { shell.activate(); });
    shell.setPresentationOptions(argc > 1 ? static_cast<PresentationOptions>(std::stoul(argv[1]))
                                          : kLockedDown);
    shell.activate();
    const EventMonitor monitor(handle, std::make_unique<DisplayKeyboard>(), reportKeys);
    // Installed last, so it sees each key before the monitor swallows it.
    QtKeyReporter qtKeys;
    handle.installEventFilter(&qtKeys);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&, ready = false, grabbed = false]() mutable {
        if (!ready && handle.isExposed() && handle.isActive()) {
            report("ready");
            ready = true;
        }
        if (ready && shell.keyboardGrabbed() != grabbed) {
            grabbed = !grabbed;
            report(grabbed ? "grabbed" : "released");
        }
    });
    poll.start(10);
    // Follows the commands on stdin in the main loop, as they come.
    std::thread([&shell] {
        std::string command;
        unsigned long n = 0;
        while (std::cin >> command >> n) {
            QMetaObject::invokeMethod(qApp, [&shell, command, n] {
                if (command == "options")
                    shell.setPresentationOptions(static_cast<PresentationOptions>(n));
                else if (command == "stall")
                    std::this_thread::sleep_for(std::chrono::seconds(n));
            });
        }
    }).detach();
    return application.exec();
}
