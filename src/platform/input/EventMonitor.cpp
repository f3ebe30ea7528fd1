#include "EventMonitor.h"

#include "InputLog.h"
#include "X11Keyboard.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>

namespace wigglepad {
namespace {

// On X11 a held key repeats as pairs of release and press, both marked auto-repeat. The
// release is not a release: treating it as one would cancel every hold at the repeat delay.
bool isAutoRepeatRelease(const QEvent& event) {
    return event.type() == QEvent::KeyRelease &&
           static_cast<const QKeyEvent&>(event).isAutoRepeat();
}

// Modifier and lock keys change the keyboard's state; on their own they are not key presses.
bool isModifierKey(int key) {
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_Mode_switch:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        return true;
    default:
        return false;
    }
}

std::optional<InputEvent::Kind> mouseKind(const QMouseEvent& event) {
    const bool left = event.button() == Qt::LeftButton;
    switch (event.type()) {
    case QEvent::MouseMove:
        return event.buttons().testFlag(Qt::LeftButton) ? InputEvent::Kind::leftDragged
                                                        : InputEvent::Kind::pointerMoved;
    case QEvent::MouseButtonPress:
        return left ? InputEvent::Kind::leftDown : InputEvent::Kind::otherDown;
    case QEvent::MouseButtonRelease:
        return left ? std::optional(InputEvent::Kind::leftUp) : std::nullopt;
    default:
        return std::nullopt;
    }
}

// Keys made by programs carry no scan code; their Qt key stands in, kept clear of scan codes.
std::uint32_t keyIdentity(const QKeyEvent& event) {
    constexpr std::uint32_t kQtKeyFlag = 0x80000000u;
    return event.nativeScanCode() != 0 ? event.nativeScanCode()
                                       : kQtKeyFlag | static_cast<std::uint32_t>(event.key());
}

InputEvent pointerFacts(InputEvent::Kind kind, const QPointF& position) {
    InputEvent facts;
    facts.kind = kind;
    facts.surfacePoint = {position.x(), position.y()};
    return facts;
}

} // namespace

EventMonitor::EventMonitor(QWindow& window, std::unique_ptr<DisplayKeyboard> keyboard,
                           Handler handler)
    : keyboard_(std::move(keyboard))
    , handler_(std::move(handler)) {
    useX11DetectableAutoRepeat();
    window.installEventFilter(this);
    // Releases of keys held when the window lost the keyboard go elsewhere: forget those keys.
    connect(&window, &QWindow::activeChanged, this, [this, &window] {
        if (!window.isActive()) {
            keysDown_.clear();
        }
    });
}

bool EventMonitor::eventFilter(QObject* watched, QEvent* event) {
    if (isAutoRepeatRelease(*event)) {
        return true;
    }
    std::optional<InputEvent> facts = translate(*event);
    if (!facts) {
        return QObject::eventFilter(watched, event);
    }
    if (facts->kind == InputEvent::Kind::keyDown || facts->kind == InputEvent::Kind::keyUp) {
        noteHeldKeys(static_cast<const QKeyEvent&>(*event), *facts);
    }
    return handler_(*facts) == InputDisposition::swallow;
}

void EventMonitor::noteHeldKeys(const QKeyEvent& event, InputEvent& facts) {
    const std::uint32_t key = keyIdentity(event);
    if (facts.kind == InputEvent::Kind::keyUp) {
        if (const auto held = keysDown_.find(key); held != keysDown_.end()) {
            facts.isMKey = held->second;
            keysDown_.erase(held);
        }
    } else if (const auto [held, fresh] = keysDown_.emplace(key, facts.isMKey); !fresh) {
        facts.isAutoRepeat = true;
        facts.isMKey = held->second;
    }
}

std::optional<InputEvent> EventMonitor::translate(const QEvent& event) {
    switch (event.type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease: {
        const auto& mouse = static_cast<const QMouseEvent&>(event);
        const auto kind = mouseKind(mouse);
        return kind ? std::optional(pointerFacts(*kind, mouse.position())) : std::nullopt;
    }
    case QEvent::Wheel:
        return pointerFacts(InputEvent::Kind::scroll,
                            static_cast<const QWheelEvent&>(event).position());
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto& key = static_cast<const QKeyEvent&>(event);
        if (isModifierKey(key.key())) {
            return std::nullopt;
        }
        const bool down = event.type() == QEvent::KeyPress;
        return keyFacts(down ? InputEvent::Kind::keyDown : InputEvent::Kind::keyUp, key);
    }
    default:
        return std::nullopt;
    }
}

InputEvent EventMonitor::keyFacts(InputEvent::Kind kind, const QKeyEvent& event) {
    InputEvent facts;
    facts.kind = kind;
    facts.keyCode = virtualKeyCodeForScanCode(event.nativeScanCode());
    facts.isAutoRepeat = event.isAutoRepeat();
    if (event.nativeScanCode() == 0) {
        // Events made by programs carry no scan code; their text is all there is to go by.
        facts.characters = event.text().toStdString();
        return facts;
    }
    const KeyboardLayout& layout = keyboard_->layout();
    const KeyboardLayout::Typing typing = keyboard_->typing(event);
    facts.characters = layout.charactersIgnoringModifiers(event.nativeScanCode(), typing);
    facts.isMKey = event.nativeScanCode() == layout.mKeyScanCode(typing.group);
    qCDebug(inputLog).nospace() << (kind == InputEvent::Kind::keyDown ? "key down" : "key up")
                                << " scan " << event.nativeScanCode() << " position "
                                << facts.keyCode << " group " << typing.group << " modifiers 0x"
                                << Qt::hex << typing.locks << Qt::dec << " shift " << typing.shift
                                << " types " << QString::fromStdString(facts.characters)
                                << (facts.isMKey ? " (the M key)" : "");
    return facts;
}

} // namespace wigglepad
