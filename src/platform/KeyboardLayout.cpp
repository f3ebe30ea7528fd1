#include "KeyboardLayout.h"

#include "X11Keyboard.h"

#include <xkbcommon/xkbcommon.h>

namespace wigglepad {
namespace {

xkb_keymap* keymapFromNames(xkb_context* context, const char* layout, const char* variant) {
    xkb_rule_names names{};
    names.layout = layout;
    names.variant = variant;
    return xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
}

const char* orNull(const std::string& text) {
    return text.empty() ? nullptr : text.c_str();
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

KeyboardLayout::KeyboardLayout(std::unique_ptr<xkb_context, ContextDeleter> context,
                               std::unique_ptr<xkb_keymap, KeymapDeleter> keymap)
    : context_(std::move(context))
    , keymap_(std::move(keymap)) {
    if (!keymap_) {
        return;
    }
    state_.reset(xkb_state_new(keymap_.get()));
    const xkb_mod_index_t shift = xkb_keymap_mod_get_index(keymap_.get(), XKB_MOD_NAME_SHIFT);
    shiftMask_ = shift == XKB_MOD_INVALID ? 0 : (1u << shift);
}

KeyboardLayout::KeyboardLayout(KeyboardLayout&&) noexcept = default;
KeyboardLayout& KeyboardLayout::operator=(KeyboardLayout&&) noexcept = default;
KeyboardLayout::~KeyboardLayout() = default;

std::string KeyboardLayout::charactersIgnoringModifiers(std::uint32_t scanCode, bool shift,
                                                        std::uint32_t group) const {
    if (!state_) {
        return {};
    }
    const xkb_layout_index_t layout = group < xkb_keymap_num_layouts(keymap_.get()) ? group : 0;
    xkb_state_update_mask(state_.get(), shift ? shiftMask_ : 0, 0, 0, 0, 0, layout);
    const int length = xkb_state_key_get_utf8(state_.get(), scanCode, nullptr, 0);
    if (length <= 0) {
        return {};
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    xkb_state_key_get_utf8(state_.get(), scanCode, text.data(), text.size());
    text.resize(static_cast<std::size_t>(length));
    return text;
}

} // namespace wigglepad
