#pragma once

#include "ActivationWatcher.h"
#include "KioskLockDown.h"
#include "OverrideCursorPointer.h"
#include "SystemShell.h"
#include "TerminationSignals.h"

#include <QObject>
#include <QPointer>
#include <iosfwd>

namespace wigglepad {

class SessionEndGuard;

// The system shell on Qt and Linux. Requests to quit (terminate(), and the window manager's
// close: Alt+F4, a close button, wmctrl -c) go through the termination delegate. SIGTERM,
// SIGINT and SIGHUP are not requests but the system ending the process: they release the
// lock-down, show the pointer and end the event loop with status 0, without asking.
class QtSystemShell final : public QObject, public SystemShell {
public:
    // Problems the person should know of (a keyboard that cannot be grabbed) go to `errors`.
    // `sessionEndGuard` may be null: then ending the session is not held off.
    explicit QtSystemShell(std::ostream& errors, SessionEndGuard* sessionEndGuard = nullptr);

    void attachWindow(QWindow& window, const QColor& ground) override;
    void setPresentationOptions(PresentationOptions options) override;
    PresentationOptions presentationOptions() const override { return lockDown_.options(); }
    void activate() override { lockDown_.activate(); }
    void setResignActiveHandler(std::function<void()> handler) override;
    void hidePointer() override { pointer_.hide(); }
    void unhidePointer() override { pointer_.unhide(); }
    void setTerminationDelegate(TerminationDelegate delegate) override;
    void terminate() override;

    bool keyboardGrabbed() const { return lockDown_.keyboardGrabbed(); }
    bool pointerHidden() const { return pointer_.isHidden(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void endAtSystemRequest();
    void endEventLoop();

    KioskLockDown lockDown_;
    OverrideCursorPointer pointer_;
    ActivationWatcher activation_;
    TerminationSignals signals_;
    TerminationDelegate termination_;
    QPointer<QWindow> window_;
    bool ending_ = false;
};

} // namespace wigglepad
