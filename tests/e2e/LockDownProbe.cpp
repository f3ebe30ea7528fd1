// A stand-in kiosk window for the lock-down's end-to-end test: shows a window, locks the
// desktop down with the presentation options given as its argument (490 when none) and
// reports on stdout, one line each, what happens to it:
//   ready              the window is on screen and active
//   grabbed            the keyboard grab is held
//   key <code> <text>  a key went down (position code, characters as hex bytes), with
//                      " repeat" added when the keyboard's auto-repeat made it
//   up <code>          a key went up
//   state <n>          the window's state changed (Qt::WindowState)
//   quit refused       a request to quit was refused
//   resign active      the application lost activation (and asks for it back)
#include "EventMonitor.h"
#include "QtSystemShell.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <iostream>
#include <string>

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

PresentationOptions optionsFromArguments() {
    const QStringList arguments = QCoreApplication::arguments();
    return arguments.size() > 1 ? arguments.at(1).toUInt() : kLockedDown;
}

void wireShell(QtSystemShell& shell, QWindow& window) {
    shell.attachWindow(window);
    shell.setTerminationDelegate({[] {
                                      report("quit refused");
                                      return false;
                                  },
                                  {}});
    shell.setResignActiveHandler([&shell] {
        report("resign active");
        shell.activate();
    });
    QObject::connect(&window, &QWindow::windowStateChanged,
                     [](Qt::WindowState state) { report("state " + std::to_string(state)); });
}

// Says "ready" once the window is up and active and "grabbed" once the grab holds.
void reportProgress(const QtSystemShell& shell, const QWindow& window) {
    auto* poll = new QTimer(QCoreApplication::instance());
    QObject::connect(poll, &QTimer::timeout, [&shell, &window, said = 0]() mutable {
        if (said == 0 && window.isExposed() && window.isActive()) {
            report("ready");
            said = 1;
        }
        if (said == 1 && shell.keyboardGrabbed()) {
            report("grabbed");
            said = 2;
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

    QtSystemShell shell(std::cerr);
    wireShell(shell, handle);
    shell.setPresentationOptions(optionsFromArguments());
    shell.activate();
    const EventMonitor monitor(handle, KeyboardLayout::forDisplay(), reportKeys);
    reportProgress(shell, handle);
    return application.exec();
}
