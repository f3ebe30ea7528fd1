#pragma once

#include <cstdint>
#include <memory>
#include <string>

struct xkb_context;
struct xkb_keymap;
struct xkb_state;

namespace wigglepad {

// A keyboard layout (an XKB keymap) that tells what a key types, given its scan code.
class KeyboardLayout {
public:
    // The layout the display uses: the X server's own keymap on X11; elsewhere the keymap the
    // system's default XKB names give (XKB_DEFAULT_LAYOUT and friends, else US).
    static KeyboardLayout forDisplay();
    // The keymap of XKB layout names such as "fr" or "de"; invalid when they are unknown.
    static KeyboardLayout fromNames(const std::string& layout, const std::string& variant = {});

    KeyboardLayout(KeyboardLayout&&) noexcept;
    KeyboardLayout& operator=(KeyboardLayout&&) noexcept;
    ~KeyboardLayout();

    bool isValid() const { return state_ != nullptr; }

    // The UTF-8 text the key with this native scan code types with no modifier but Shift
    // applied, in the given layout group: Ctrl+A still gives "a", Shift+A "A", and Shift+3 on a
    // US layout "#". Empty for keys that type nothing (arrows, dead keys) and when invalid.
    std::string charactersIgnoringModifiers(std::uint32_t scanCode, bool shift,
                                            std::uint32_t group = 0) const;

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

    std::unique_ptr<xkb_context, ContextDeleter> context_;
    std::unique_ptr<xkb_keymap, KeymapDeleter> keymap_;
    std::unique_ptr<xkb_state, StateDeleter> state_;
    std::uint32_t shiftMask_ = 0;
};

} // namespace wigglepad
