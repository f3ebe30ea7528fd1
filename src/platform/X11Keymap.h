#pragma once

struct xkb_context;
struct xkb_keymap;

namespace wigglepad {

// The X server's current keymap for the core keyboard, fetched over the application's own X
// connection; null when the application does not run on X11 or the server lacks XKB.
xkb_keymap* loadX11Keymap(xkb_context* context);

} // namespace wigglepad
