#pragma once

#include <string_view>

namespace wigglepad {

// Posted after the swipe setting was stored; the delegate re-applies the lock-down.
inline constexpr std::string_view kSwipeChangedNotification = "wigglepadSwipeChanged";
// Posted after the sound setting was stored; the delegate turns the sound on or off.
inline constexpr std::string_view kSoundChangedNotification = "wigglepadSoundChanged";
// Posted when an adult confirms leaving; the delegate runs the quit sequence.
inline constexpr std::string_view kExitNotification = "wigglepadExit";

} // namespace wigglepad
