#include "InputRouter.h"

#include "AppState.h"
#include "Clock.h"
#include "HoldGesture.h"
#include "InputLog.h"
#include "KeySpawn.h"
#include "SystemShell.h"

namespace wigglepad {

namespace {

// A press and release closer than this, in points, is a click; farther apart, a ribbon.
constexpr double kClickRadius = 20.0;
// Pointer movement adds a trail point only when more than this many seconds have passed since
// the last one, which caps the trail at about 60 points a second.
constexpr double kTrailSpacing = 0.016;

} // namespace

InputDisposition InputRouter::route(const InputEvent& event) {
    using Kind = InputEvent::Kind;
    switch (event.kind) {
    case Kind::pointerMoved:
        pointerMoved(event.surfacePoint);
        break;
    case Kind::leftDown:
        leftDown(event.surfacePoint);
        break;
    case Kind::leftDragged:
        leftDragged(event.surfacePoint);
        break;
    case Kind::leftUp:
        leftUp(event.surfacePoint);
        break;
    case Kind::otherDown:
        otherDown(event.surfacePoint);
        break;
    case Kind::keyDown:
        return keyDownGate(event);
    case Kind::keyUp:
        return keyUp(event);
    case Kind::scroll:
        return InputDisposition::swallow;
    }
    return InputDisposition::passOn;
}

InputDisposition InputRouter::withoutRouter(InputEvent::Kind kind) {
    using Kind = InputEvent::Kind;
    const bool keyOrScroll = kind == Kind::keyDown || kind == Kind::keyUp || kind == Kind::scroll;
    return keyOrScroll ? InputDisposition::swallow : InputDisposition::passOn;
}

// Over an open overlay the system pointer shows and the star cursor goes; while the child plays
// it is the other way round. The pointer changes only here, on movement, when it disagrees.
void InputRouter::pointerMoved(Point p) {
    AppState& state = parts_.state;
    if (anyOverlayOpen()) {
        showPointer();
        state.cursorPosition.set(std::nullopt);
        return;
    }
    hidePointer();
    state.cursorPosition.set(p);
    const TimeStamp now = parts_.clock.now();
    if (now - lastTrailPoint_ > kTrailSpacing) {
        lastTrailPoint_ = now;
        state.addTrailPoint(p);
    }
}

// A press on the banner only dismisses it; no drag starts, so its release spawns nothing.
void InputRouter::leftDown(Point p) {
    AppState& state = parts_.state;
    if (state.showExitConfirm.get() || state.showMenu.get())
        return;
    if (state.showBanner.get()) {
        state.showBanner.set(false);
        return;
    }
    state.dragStart.set(p);
    state.dragCurrent.set(p);
}

void InputRouter::leftDragged(Point p) {
    parts_.state.dragCurrent.set(p);
    pointerMoved(p);
}

void InputRouter::leftUp(Point p) {
    AppState& state = parts_.state;
    if (anyOverlayOpen() || !state.dragStart.get())
        return;
    const Point start = *state.dragStart.get();
    if (distance(start, p) > kClickRadius) {
        state.addRibbon(p);
        parts_.soundRibbon();
        return;
    }
    state.spawnShape(p, 0.0);
    parts_.soundNewestShape();
    state.dragStart.set(std::nullopt);
    state.dragCurrent.set(std::nullopt);
}

// The banner does not hold back the right button.
void InputRouter::otherDown(Point p) {
    if (!adultScreenOpen()) {
        parts_.state.spawnShape(p, 0.0);
        parts_.soundNewestShape();
    }
}

// An open menu or confirmation gets the keys (Tab, Space), Escape excepted: the exit hold works
// over every screen.
InputDisposition InputRouter::keyDownGate(const InputEvent& event) {
    if (adultScreenOpen() && event.keyCode != kEscapeKeyCode)
        return InputDisposition::passOn;
    keyDown(event);
    return InputDisposition::swallow;
}

// Escape and M start their holds once per hold and never spawn; other keys spawn once however
// long they are held.
void InputRouter::keyDown(const InputEvent& event) {
    if (event.keyCode == kEscapeKeyCode) {
        parts_.exitHold.keyDown();
    } else if (event.isMKey) {
        parts_.menuHold.keyDown();
    } else if (!event.isAutoRepeat) {
        const KeySpawn spawn = KeySpawn::forKey(event.characters, parts_.state.mode.get());
        spawn.applyTo(parts_.state);
        logSpawn(spawn);
        parts_.soundNewestShape();
    }
}

// Buttons click when Space is released, so the releases of keys an open menu or confirmation
// was given go to it too; Escape's and M's end their holds and go nowhere.
InputDisposition InputRouter::keyUp(const InputEvent& event) {
    if (event.keyCode == kEscapeKeyCode) {
        parts_.exitHold.keyUp();
    } else if (event.isMKey) {
        parts_.menuHold.keyUp();
    } else if (adultScreenOpen()) {
        return InputDisposition::passOn;
    }
    return InputDisposition::swallow;
}

void InputRouter::logSpawn(const KeySpawn& spawn) {
    if (spawn.character) {
        qCDebug(inputLog).nospace() << "spawned " << QString::fromStdString(*spawn.character);
    } else {
        qCDebug(inputLog).nospace()
            << "spawned " << spawn.count << (spawn.count == 1 ? " figure" : " figures");
    }
}

bool InputRouter::adultScreenOpen() const {
    const AppState& state = parts_.state;
    return state.showMenu.get() || state.showExitConfirm.get();
}

bool InputRouter::anyOverlayOpen() const {
    return parts_.state.showBanner.get() || adultScreenOpen();
}

// The system pointer counts hides and shows, so they are kept paired.
void InputRouter::showPointer() {
    if (!pointerHidden_)
        return;
    parts_.shell.unhidePointer();
    pointerHidden_ = false;
}

void InputRouter::hidePointer() {
    if (pointerHidden_)
        return;
    parts_.shell.hidePointer();
    pointerHidden_ = true;
}

} // namespace wigglepad
