#pragma once

#include <cstdint>

namespace wigglepad {

// A key's physical position, numbered as the other desktop platform numbers its virtual key
// codes, so that the position stays the same whatever letters the layout puts on it.
using VirtualKeyCode = std::uint16_t;

inline constexpr VirtualKeyCode kEscapeKeyCode = 53;
// Any key without a number of its own; never equal to a code the program acts on.
inline constexpr VirtualKeyCode kUnknownKeyCode = 0xFFFF;

// The position of the key with this native scan code: an X11 key code, which is the Linux
// evdev code plus 8 (Escape 9, M 58) on X11 and Wayland alike. Zero (no scan code) and keys
// without a number give kUnknownKeyCode.
VirtualKeyCode virtualKeyCodeForScanCode(std::uint32_t nativeScanCode);

} // namespace wigglepad
