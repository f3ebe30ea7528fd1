#pragma once

#include "InputDisposition.h"
#include "InputEvent.h"
#include "TimeStamp.h"

#include <functional>

namespace wigglepad {

class AppState;
class Clock;
class HoldGesture;
class SystemShell;
struct KeySpawn;

// The handlers of the eight input monitors, working on the play state, the two keyboard holds
// and the system pointer, for the whole run. Each event is acted on and then passed on to the
// window's views or swallowed:
//   pointer moved (also right and other-button drags), left press, left drag, left release,
//   other-button press: passed on, always, so the adult controls keep working;
//   key press: swallowed while the child plays; passed on to an open menu or confirmation,
//   except Escape, which is always handled;
//   key release: swallowed while the child plays; passed on to an open menu or confirmation,
//   except the releases of Escape and M, which end the holds;
//   scroll: swallowed, always.
class InputRouter {
public:
    // What the router works on; the two sounds are asked for after input added a shape or a
    // ribbon.
    struct Parts {
        AppState& state;
        const Clock& clock;
        SystemShell& shell;
        HoldGesture& exitHold;
        HoldGesture& menuHold;
        std::function<void()> soundNewestShape;
        std::function<void()> soundRibbon;
    };

    explicit InputRouter(Parts parts)
        : parts_(std::move(parts)) {}

    InputDisposition route(const InputEvent& event);
    // What becomes of an event that arrives after the router's owner is gone: mouse events
    // still reach the views, keys and scrolling do not.
    static InputDisposition withoutRouter(InputEvent::Kind kind);

private:
    void pointerMoved(Point p);
    void leftDown(Point p);
    void leftDragged(Point p);
    void leftUp(Point p);
    void otherDown(Point p);
    InputDisposition keyDownGate(const InputEvent& event);
    void keyDown(const InputEvent& event);
    InputDisposition keyUp(const InputEvent& event);
    static void logSpawn(const KeySpawn& spawn);

    bool adultScreenOpen() const;
    bool anyOverlayOpen() const;
    void showPointer();
    void hidePointer();

    Parts parts_;
    TimeStamp lastTrailPoint_ = kDistantPast; // when pointer movement last added a trail point
    bool pointerHidden_ = true;               // launching hides the system pointer
};

} // namespace wigglepad
