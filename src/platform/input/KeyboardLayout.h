#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct xkb_context;
struct xkb_keymap;
struct xkb_state;

namespace wigglepad {

// A keyboard layout (an XKB keymap) that tells what a key types, given its scan code.
class KeyboardLayout {
public:
    // What besides the key decides what it types.
    struct Typing {
        bool shift = false;
        // The modifiers the display server reports locked or on, as an XKB modifier mask; only
        // Caps Lock and NumLock count, so Ctrl, Alt, Super and AltGr never change a key's text.
        std::uint32_t locks = 0;
        // The active layout group; one the keymap lacks counts as the first.
        std::uint32_t group = 0;
    };

    // The X server's own keymap on X11; elsewhere the keymap the system's default XKB names
    // give (XKB_DEFAULT_LAYOUT and friends, else US).
    static KeyboardLayout forDisplay();
    // The keymap of XKB layout names such as "fr" or "de,us"; invalid when they are unknown.
    static KeyboardLayout fromNames(const std::string& layout, const std::string& variant = {});
    // A whole keymap in the XKB text format, as a Wayland compositor sends it; invalid when
    // it does not compile.
    static KeyboardLayout fromKeymapText(const std::string& text);

    KeyboardLayout(KeyboardLayout&&) noexcept;
    KeyboardLayout& operator=(KeyboardLayout&&) noexcept;
    ~KeyboardLayout();

    bool isValid() const { return state_ != nullptr; }

    // The UTF-8 text the key with this native scan code types with no modifier but Shift and
    // the locks applied: Ctrl+A still gives "a", Shift+A "A", Shift+3 on a US layout "#", and
    // keypad 7 "7" only with NumLock on. Empty for keys that type nothing (arrows, dead keys)
    // and when invalid.
    std::string charactersIgnoringModifiers(std::uint32_t scanCode, const Typing& typing) const;

    // The scan code of the key that holds M: the one that types "m" in the group, or on a
    // layout with no "m" (Cyrillic, Greek) the key where a US keyboard has it.
    std::uint32_t mKeyScanCode(std::uint32_t group) const;

private:
    struct ContextDeleter {
        void operator()(xkb_context* context) const;
    };
    struct KeymapDeleter {
        void operator()(xkb_keymap* keymap) const;
    };
    struct StateDeleter {
        void operator()(xkb_state* state) const;
    };

    KeyboardLayout(std::unique_ptr<xkb_context, ContextDeleter> context,
                   std::unique_ptr<xkb_keymap, KeymapDeleter> keymap);
    std::uint32_t groupIndex(std::uint32_t group) const;
    std::uint32_t findMKey(std::uint32_t group) const;

    std::unique_ptr<xkb_context, ContextDeleter> context_;
    std::unique_ptr<xkb_keymap, KeymapDeleter> keymap_;
    std::unique_ptr<xkb_state, StateDeleter> state_;
    std::uint32_t shiftMask_ = 0;
    std::uint32_t lockMask_ = 0;
    std::vector<std::uint32_t> mKeys_; // mKeyScanCode of each group
};

} // namespace wigglepad
