#include "KeyboardLayout.h"

#include "X11Keyboard.h"

#include <linux/input-event-codes.h>
#include <xkbcommon/xkbcommon.h>

namespace wigglepad {
namespace {

// Where a US keyboard has M, as an X11 key code (evdev + 8).
constexpr std::uint32_t kUsMScanCode = KEY_M + 8;

xkb_keymap* keymapFromNames(xkb_context* context, const char* layout, const char* variant) {
    xkb_rule_names names{};
    names.layout = layout;
    names.variant = variant;
    return xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
}

const char* orNull(const std::string& text) {
    return text.empty() ? nullptr : text.c_str();
}

std::uint32_t modifierMask(xkb_keymap* keymap, const char* name) {
    const xkb_mod_index_t index = xkb_keymap_mod_get_index(keymap, name);
    return index < 32 ? 1u << index : 0;
}

} // namespace

void KeyboardLayout::ContextDeleter::operator()(xkb_context* context) const {
    xkb_context_unref(context);
}
void KeyboardLayout::KeymapDeleter::operator()(xkb_keymap* keymap) const {
    xkb_keymap_unref(keymap);
}
void KeyboardLayout::StateDeleter::operator()(xkb_state* state) const {
    xkb_state_unref(state);
}

KeyboardLayout KeyboardLayout::forDisplay() {
    std::unique_ptr<xkb_context, ContextDeleter> context(xkb_context_new(XKB_CONTEXT_NO_FLAGS));
    xkb_keymap* keymap = nullptr;
    if (context) {
        keymap = loadX11Keymap(context.get());
        if (keymap == nullptr) {
            // Null names make libxkbcommon take the defaults from the environment.
            keymap = keymapFromNames(context.get(), nullptr, nullptr);
        }
    }
    return KeyboardLayout(std::move(context), std::unique_ptr<xkb_keymap, KeymapDeleter>(keymap));
}

KeyboardLayout KeyboardLayout::fromNames(const std::string& layout, const std::string& variant) {
    std::unique_ptr<xkb_context, ContextDeleter> context(xkb_context_new(XKB_CONTEXT_NO_FLAGS));
    xkb_keymap* keymap =
        context ? keymapFromNames(context.get(), orNull(layout), orNull(variant)) : nullptr;
    return KeyboardLayout(std::move(context), std::unique_ptr<xkb_keymap, KeymapDeleter>(keymap));
}

KeyboardLayout KeyboardLayout::fromKeymapText(const std::string& text) {
    std::unique_ptr<xkb_context, ContextDeleter> context(xkb_context_new(XKB_CONTEXT_NO_FLAGS));
    xkb_keymap* keymap =
        context ? xkb_keymap_new_from_string(context.get(), text.c_str(), XKB_KEYMAP_FORMAT_TEXT_V1,
                                             XKB_KEYMAP_COMPILE_NO_FLAGS)
                : nullptr;
    return KeyboardLayout(std::move(context), std::unique_ptr<xkb_keymap, KeymapDeleter>(keymap));
}

KeyboardLayout::KeyboardLayout(std::unique_ptr<xkb_context, ContextDeleter> context,
                               std::unique_ptr<xkb_keymap, KeymapDeleter> keymap)
    : context_(std::move(context))
    , keymap_(std::move(keymap)) {
    if (!keymap_) {
        return;
    }
    state_.reset(xkb_state_new(keymap_.get()));
    shiftMask_ = modifierMask(keymap_.get(), XKB_MOD_NAME_SHIFT);
    // X11 reports NumLock as the real modifier it is bound to, Mod2 on every standard layout;
    // a Wayland compositor may name the virtual one as well.
    lockMask_ = modifierMask(keymap_.get(), XKB_MOD_NAME_CAPS) |
                modifierMask(keymap_.get(), XKB_MOD_NAME_NUM) |
                modifierMask(keymap_.get(), "NumLock");
    for (std::uint32_t group = 0; group < xkb_keymap_num_layouts(keymap_.get()); ++group) {
        mKeys_.push_back(findMKey(group));
    }
}

KeyboardLayout::KeyboardLayout(KeyboardLayout&&) noexcept = default;
KeyboardLayout& KeyboardLayout::operator=(KeyboardLayout&&) noexcept = default;
KeyboardLayout::~KeyboardLayout() = default;

std::string KeyboardLayout::charactersIgnoringModifiers(std::uint32_t scanCode,
                                                        const Typing& typing) const {
    if (!state_) {
        return {};
    }
    xkb_state_update_mask(state_.get(), typing.shift ? shiftMask_ : 0, 0, typing.locks & lockMask_,
                          0, 0, groupIndex(typing.group));
    const int length = xkb_state_key_get_utf8(state_.get(), scanCode, nullptr, 0);
    if (length <= 0) {
        return {};
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    xkb_state_key_get_utf8(state_.get(), scanCode, text.data(), text.size());
    text.resize(static_cast<std::size_t>(length));
    return text;
}

std::uint32_t KeyboardLayout::mKeyScanCode(std::uint32_t group) const {
    return mKeys_.empty() ? kUsMScanCode : mKeys_[groupIndex(group)];
}

std::uint32_t KeyboardLayout::groupIndex(std::uint32_t group) const {
    return group < xkb_keymap_num_layouts(keymap_.get()) ? group : 0;
}

// The first key, in key code order, whose plain press types "m".
std::uint32_t KeyboardLayout::findMKey(std::uint32_t group) const {
    const xkb_keycode_t last = xkb_keymap_max_keycode(keymap_.get());
    for (xkb_keycode_t key = xkb_keymap_min_keycode(keymap_.get()); key <= last; ++key) {
        if (charactersIgnoringModifiers(key, {.group = group}) == "m") {
            return key;
        }
    }
    return kUsMScanCode;
}

} // namespace wigglepad
