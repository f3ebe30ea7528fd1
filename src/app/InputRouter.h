#pragma once

#include "InputDisposition.h"
#include "InputEvent.h"

namespace wigglepad {

class AppDelegate;
struct KeySpawn;

// The handlers of the eight input monitors, working on the delegate's play state, its held-key
// flags and its hold gestures. Each event is acted on and then passed on to the window's views
// or swallowed:
//   pointer moved (also right and other-button drags), left press, left drag, left release,
//   other-button press: passed on, always, so the adult controls keep working;
//   key press: swallowed while the child plays; passed on to an open menu or confirmation,
//   except Escape, which is always handled;
//   key release: swallowed while the child plays; passed on to an open menu or confirmation,
//   except the releases of Escape and M, which end the holds;
//   scroll: swallowed, always.
// A light view over the delegate, made for each event.
class InputRouter {
public:
    explicit InputRouter(AppDelegate& delegate)
        : delegate_(delegate) {}

    InputDisposition route(const InputEvent& event);
    // What becomes of an event that arrives after the delegate is gone: mouse events still
    // reach the views, keys and scrolling do not.
    static InputDisposition withoutDelegate(InputEvent::Kind kind);

    // A press and release closer than this, in points, is a click; farther apart, a ribbon.
    static constexpr double kClickRadius = 20.0;
    // Pointer movement adds a trail point only when more than this many seconds have passed
    // since the last one, which caps the trail at about 60 points a second.
    static constexpr double kTrailSpacing = 0.016;

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

    AppDelegate& delegate_;
};

} // namespace wigglepad
