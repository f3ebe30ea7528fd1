#pragma once

#include "PresentationOptions.h"

#include <functional>

class QColor;
class QWindow;

namespace wigglepad {

// What the program asks of the desktop around it: the lock-down of the kiosk window, being the
// active application, the system pointer, and ending the run. Gathered behind one interface so
// that a test can watch the whole conversation with one recorder.
class SystemShell {
public:
    // The program's say in ending the run.
    struct TerminationDelegate {
        // Asked on every request to quit; false keeps the program running, locked down.
        std::function<bool()> shouldTerminate;
        // Runs once, after a request was accepted and before the event loop ends.
        std::function<void()> willTerminate;
    };

    virtual ~SystemShell() = default;

    // The kiosk window: borderless and above other windows from now on. The lock-down and the
    // activation act on it; a request to close it is a request to quit. `ground`, the play
    // surface's colour, covers the other monitors while the child plays.
    virtual void attachWindow(QWindow& window, const QColor& ground) = 0;

    // Takes effect at once; kNoPresentationOptions releases everything.
    virtual void setPresentationOptions(PresentationOptions options) = 0;
    virtual PresentationOptions presentationOptions() const = 0;

    // Brings the window to the front as the active one.
    virtual void activate() = 0;
    // Called (on the main thread) whenever the application stops being the active one.
    virtual void setResignActiveHandler(std::function<void()> handler) = 0;

    // The system pointer, counted: one unhide undoes one hide; a surplus unhide does nothing.
    virtual void hidePointer() = 0;
    virtual void unhidePointer() = 0;

    virtual void setTerminationDelegate(TerminationDelegate delegate) = 0;
    // A request to quit: asks shouldTerminate; if it agrees, runs willTerminate and ends the
    // event loop with status 0.
    virtual void terminate() = 0;
};

} // namespace wigglepad
