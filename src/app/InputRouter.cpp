#include "InputRouter.h"

#include "AppDelegate.h"
#include "Clock.h"
#include "InputLog.h"
#include "KeySpawn.h"

namespace wigglepad {

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

InputDisposition InputRouter::withoutDelegate(InputEvent::Kind kind) {
    using Kind = InputEvent::Kind;
    const bool keyOrScroll = kind == Kind::keyDown || kind == Kind::keyUp || kind == Kind::scroll;
    return keyOrScroll ? InputDisposition::swallow : InputDisposition::passOn;
}

// Over an open overlay the system pointer shows and the star cursor goes; while the child plays
// it is the other way round. The pointer changes only here, on movement, when it disagrees.
void InputRouter::pointerMoved(Point p) {
    AppState& state = delegate_.state_;
    if (anyOverlayOpen()) {
        showPointer();
        state.cursorPosition.set(std::nullopt);
        return;
    }
    hidePointer();
    state.cursorPosition.set(p);
    const TimeStamp now = delegate_.services_.clock.now();
    if (now - delegate_.lastMouse_ > kTrailSpacing) {
        delegate_.lastMouse_ = now;
        state.addTrailPoint(p);
    }
}

// A press on the banner only dismisses it; no drag starts, so its release spawns nothing.
void InputRouter::leftDown(Point p) {
    AppState& state = delegate_.state_;
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
    delegate_.state_.dragCurrent.set(p);
    pointerMoved(p);
}

void InputRouter::leftUp(Point p) {
    AppState& state = delegate_.state_;
    if (anyOverlayOpen() || !state.dragStart.get())
        return;
    const Point start = *state.dragStart.get();
    if (distance(start, p) > kClickRadius) {
        state.addRibbon(p);
        delegate_.soundRibbon();
        return;
    }
    state.spawnShape(p, 0.0);
    delegate_.soundNewestShape();
    state.dragStart.set(std::nullopt);
    state.dragCurrent.set(std::nullopt);
}

// The banner does not hold back the right button.
void InputRouter::otherDown(Point p) {
    if (!adultScreenOpen()) {
        delegate_.state_.spawnShape(p, 0.0);
        delegate_.soundNewestShape();
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
    AppDelegate& d = delegate_;
    if (event.keyCode == kEscapeKeyCode) {
        if (!d.escDown_) {
            d.escDown_ = true;
            d.startExitHold();
        }
    } else if (event.isMKey) {
        if (!d.mDown_) {
            d.mDown_ = true;
            d.startMenuHold();
        }
    } else if (!event.isAutoRepeat) {
        const KeySpawn spawn = KeySpawn::forKey(event.characters, d.state_.mode.get());
        spawn.applyTo(d.state_);
        logSpawn(spawn);
        d.soundNewestShape();
    }
}

// Buttons click when Space is released, so the releases of keys an open menu or confirmation
// was given go to it too; Escape's and M's end their holds and go nowhere.
InputDisposition InputRouter::keyUp(const InputEvent& event) {
    AppDelegate& d = delegate_;
    if (event.keyCode == kEscapeKeyCode) {
        d.escDown_ = false;
        d.cancelExitHold();
    } else if (event.isMKey) {
        d.mDown_ = false;
        d.cancelMenuHold();
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
    const AppState& state = delegate_.state_;
    return state.showMenu.get() || state.showExitConfirm.get();
}

bool InputRouter::anyOverlayOpen() const {
    return delegate_.state_.showBanner.get() || adultScreenOpen();
}

// The system pointer counts hides and shows, so they are kept paired.
void InputRouter::showPointer() {
    if (!delegate_.cursorIsHidden_)
        return;
    delegate_.services_.shell.unhidePointer();
    delegate_.cursorIsHidden_ = false;
}

void InputRouter::hidePointer() {
    if (delegate_.cursorIsHidden_)
        return;
    delegate_.services_.shell.hidePointer();
    delegate_.cursorIsHidden_ = true;
}

} // namespace wigglepad
