#pragma once

#include "KeyboardLayout.h"

#include <QAbstractNativeEventFilter>
#include <cstdint>
#include <memory>
#include <optional>

class QKeyEvent;

namespace wigglepad {

class WaylandKeyboard;

// The keyboard the program is typed at, as the display server describes it: the layout in
// force, followed when the person switches layouts while the program runs, and the Shift,
// locks and layout group each key is typed with.
class DisplayKeyboard final : public QAbstractNativeEventFilter {
public:
    // Follows the display's keyboard: the X server's keymap and its changes on X11, the
    // compositor's keymap, locks and group on Wayland; elsewhere the system's default layout.
    DisplayKeyboard();
    // Always this layout, in its first group with no lock on.
    explicit DisplayKeyboard(KeyboardLayout layout);
    ~DisplayKeyboard() override;

    DisplayKeyboard(const DisplayKeyboard&) = delete;
    DisplayKeyboard& operator=(const DisplayKeyboard&) = delete;

    // The layout in force now.
    const KeyboardLayout& layout();
    // What besides the key decides what this key event types.
    KeyboardLayout::Typing typing(const QKeyEvent& event) const;

    // Notes the X server's word that the keymap changed; the next key reads the new one.
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    KeyboardLayout layout_;
    std::unique_ptr<WaylandKeyboard> wayland_;
    std::optional<std::uint8_t> xkbEventBase_; // set while following X11
    bool x11KeymapChanged_ = false;
};

} // namespace wigglepad
