// A stand-in kiosk window for the lock-down's end-to-end tests: shows a window, locks the
// desktop down with the presentation options given as its argument (490 when none) and
// reports on stdout, one line each, what happens to it:
//   ready              the window is on screen and active
//   grabbed            the keyboard lock is held (X11: the grab; Wayland: the inhibitor)
//   released           the keyboard lock was given up
//   key <code> <text>  a key went down (position code, characters as hex bytes), with
//                      " repeat" added when the keyboard's auto-repeat made it
//   qtkey <keys>       a key went down, as Qt names it with its modifiers ("Alt+Tab"): a
//                      program's virtual keyboard brings its own keymap, so positions mean
//                      little then
//   up <code>          a key went up
// With --hold-off-session-end the lock-down holds off the end of the session through the
// desktop's services. Lines on stdin steer it while it runs: "options <n>" sets the options;
// "stall <seconds>" stops the main loop that long, as a hung program would.
#include "DesktopSessionEndGuard.h"
#include "EventMonitor.h"
#include "QtSystemShell.h"

#include <QApplication>
#include <QColor>
#include <QKeyEvent>
#include <QKeySequence>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

using namespace wigglepad;

constexpr int kPollMs = 10;

void report(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

std::string hexBytes(const std::string& text) {
    std::string hex;
    for (const unsigned char byte : text) {
        char pair[3];
        std::snprintf(pair, sizeof pair, "%02x", byte);
        hex += pair;
    }
    return hex.empty() ? "-" : hex;
}

InputDisposition reportKeys(const InputEvent& event) {
    const std::string code = std::to_string(event.keyCode);
    if (event.kind == InputEvent::Kind::keyDown) {
        report("key " + code + " " + hexBytes(event.characters) +
               (event.isAutoRepeat ? " repeat" : ""));
    } else if (event.kind == InputEvent::Kind::keyUp) {
        report("up " + code);
    }
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

PresentationOptions optionsFromArguments() {
    for (const QString& argument : QCoreApplication::arguments().mid(1)) {
        bool isNumber = false;
        const PresentationOptions options = argument.toUInt(&isNumber);
        if (isNumber) {
            return options;
        }
    }
    return kLockedDown;
}

std::unique_ptr<DesktopSessionEndGuard> sessionEndGuardFromArguments() {
    if (!QCoreApplication::arguments().contains(QStringLiteral("--hold-off-session-end"))) {
        return nullptr;
    }
    return std::make_unique<DesktopSessionEndGuard>(std::cerr);
}

void obey(QtSystemShell& shell, const std::string& command) {
    const std::string setOptions = "options ";
    const std::string stall = "stall ";
    if (command.rfind(setOptions, 0) == 0) {
        shell.setPresentationOptions(std::stoul(command.substr(setOptions.size())));
    } else if (command.rfind(stall, 0) == 0) {
        std::this_thread::sleep_for(std::chrono::seconds(std::stoul(command.substr(stall.size()))));
    }
}

// Follows commands on stdin, one a line; stops at its end.
void followCommands(QtSystemShell& shell) {
    auto* input =
        new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(
        input, &QSocketNotifier::activated, [&shell, input, pending = std::string()]() mutable {
            char chunk[256];
            const ssize_t got = ::read(STDIN_FILENO, chunk, sizeof chunk);
            if (got <= 0) {
                input->setEnabled(false);
                return;
            }
            pending.append(chunk, static_cast<std::size_t>(got));
            for (std::size_t end = 0; (end = pending.find('\n')) != std::string::npos;) {
                obey(shell, pending.substr(0, end));
                pending.erase(0, end + 1);
            }
        });
}

void wireShell(QtSystemShell& shell, QWindow& window) {
    shell.attachWindow(window, QColor::fromRgbF(0.98f, 0.97f, 0.95f)); // the play surface's
    shell.setTerminationDelegate({[] { return false; }, {}});
    shell.setResignActiveHandler([&shell] { shell.activate(); });
}

// Says "ready" once the window is up and active, then "grabbed" and "released" as the
// keyboard lock comes and goes.
void reportProgress(const QtSystemShell& shell, const QWindow& window) {
    auto* poll = new QTimer(QCoreApplication::instance());
    QObject::connect(poll, &QTimer::timeout,
                     [&shell, &window, ready = false, grabbed = false]() mutable {
                         if (!ready && window.isExposed() && window.isActive()) {
                             report("ready");
                             ready = true;
                         }
                         if (ready && shell.keyboardGrabbed() != grabbed) {
                             grabbed = !grabbed;
                             report(grabbed ? "grabbed" : "released");
                         }
                     });
    poll->start(kPollMs);
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("wigglepad lock-down probe"));
    window.show();
    QWindow& handle = *window.windowHandle();

    const std::unique_ptr<DesktopSessionEndGuard> sessionEndGuard = sessionEndGuardFromArguments();
    QtSystemShell shell(std::cerr, sessionEndGuard.get());
    wireShell(shell, handle);
    shell.setPresentationOptions(optionsFromArguments());
    shell.activate();
    const EventMonitor monitor(handle, std::make_unique<DisplayKeyboard>(), reportKeys);
    // Installed last, so it sees each key before the monitor swallows it.
    QtKeyReporter qtKeys;
    handle.installEventFilter(&qtKeys);
    reportProgress(shell, handle);
    followCommands(shell);
    return application.exec();
}
