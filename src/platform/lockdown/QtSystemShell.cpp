#include "QtSystemShell.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWindow>

namespace wigglepad {

QtSystemShell::QtSystemShell(std::ostream& errors, SessionEndGuard* sessionEndGuard)
    : lockDown_(errors, sessionEndGuard)
    , signals_([this](int) { endAtSystemRequest(); }) {}

void QtSystemShell::attachWindow(QWindow& window, const QColor& ground) {
    if (window_) {
        window_->removeEventFilter(this);
    }
    window_ = &window;
    window.installEventFilter(this);
    lockDown_.attachWindow(window, ground);
}

void QtSystemShell::setPresentationOptions(PresentationOptions options) {
    lockDown_.apply(options);
}

void QtSystemShell::setResignActiveHandler(std::function<void()> handler) {
    activation_.setHandler(std::move(handler));
}

void QtSystemShell::setTerminationDelegate(TerminationDelegate delegate) {
    termination_ = std::move(delegate);
}

void QtSystemShell::terminate() {
    if (ending_) {
        return;
    }
    if (termination_.shouldTerminate && !termination_.shouldTerminate()) {
        return;
    }
    if (termination_.willTerminate) {
        termination_.willTerminate();
    }
    endEventLoop();
}

bool QtSystemShell::eventFilter(QObject* watched, QEvent* event) {
    // The window manager closing the window is a request to quit, never a close on its own:
    // refused, the window stays and so does the lock-down.
    if (watched == window_ && event->type() == QEvent::Close) {
        event->ignore();
        terminate();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void QtSystemShell::endAtSystemRequest() {
    lockDown_.apply(kNoPresentationOptions);
    pointer_.showAll();
    endEventLoop();
}

void QtSystemShell::endEventLoop() {
    ending_ = true;
    QCoreApplication::exit(0);
}

} // namespace wigglepad
