#pragma once

#include <cstdint>
#include <optional>

struct xkb_context;
struct xkb_keymap;

namespace wigglepad {

// The X server's current keymap for the core keyboard, fetched over the application's own X
// connection; null when the application does not run on X11 or the server lacks XKB.
xkb_keymap* loadX11Keymap(xkb_context* context);

// The number of the first XKB event on the application's X connection; nothing off X11 or
// without XKB.
std::optional<std::uint8_t> x11XkbEventBase();

// Whether this event of the application's X connection (an xcb_generic_event_t) says that the
// keyboard's keymap changed: a new keyboard, or a new map loaded, as when the person switches
// layouts with setxkbmap or a desktop's layout menu.
bool isX11KeymapChange(const void* xcbEvent, std::uint8_t xkbEventBase);

// Asks the X server to send a held key's auto-repeat as repeated presses alone, without the
// release before each one. Otherwise every repeat arrives as a release and a press that Qt
// pairs up only when both have already been read, so some repeats would look like the key
// going up. Does nothing (and answers false) off X11 or without XKB.
bool useX11DetectableAutoRepeat();

} // namespace wigglepad
