#include "DisplayKeyboard.h"

#include "InputLog.h"
#include "WaylandKeyboard.h"
#include "X11Keyboard.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace wigglepad {
namespace {

// An X11 key event's state: the real modifiers in its low byte, numbered as XKB numbers them,
// and the layout group in bits 13 and 14.
constexpr std::uint32_t kX11ModifierBits = 0xFF;
constexpr int kX11GroupShift = 13;
constexpr std::uint32_t kX11GroupMask = 0x3;

} // namespace

DisplayKeyboard::DisplayKeyboard()
    : layout_(KeyboardLayout::forDisplay())
    , wayland_(WaylandKeyboard::forApplication())
    , xkbEventBase_(x11XkbEventBase()) {
    if (xkbEventBase_) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
}

DisplayKeyboard::DisplayKeyboard(KeyboardLayout layout)
    : layout_(std::move(layout)) {}

DisplayKeyboard::~DisplayKeyboard() {
    if (xkbEventBase_ && QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeNativeEventFilter(this);
    }
}

const KeyboardLayout& DisplayKeyboard::layout() {
    if (wayland_ && wayland_->layout() != nullptr) {
        return *wayland_->layout();
    }
    if (x11KeymapChanged_) {
        x11KeymapChanged_ = false;
        layout_ = KeyboardLayout::forDisplay();
        qCDebug(inputLog) << "keymap read again from the X server";
    }
    return layout_;
}

KeyboardLayout::Typing DisplayKeyboard::typing(const QKeyEvent& event) const {
    KeyboardLayout::Typing typing{.shift = event.modifiers().testFlag(Qt::ShiftModifier)};
    if (wayland_) {
        typing.locks = wayland_->locks();
        typing.group = wayland_->group();
    } else if (xkbEventBase_) {
        typing.locks = event.nativeModifiers() & kX11ModifierBits;
        typing.group = (event.nativeModifiers() >> kX11GroupShift) & kX11GroupMask;
    }
    return typing;
}

bool DisplayKeyboard::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType == "xcb_generic_event_t" && isX11KeymapChange(message, *xkbEventBase_)) {
        x11KeymapChanged_ = true;
    }
    return false;
}

} // namespace wigglepad
