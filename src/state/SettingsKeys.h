#pragma once

#include <string_view>

namespace wigglepad {

// IMPORTANT: these names are stored in users' settings files; never rename them.
inline constexpr std::string_view kModeChosenKey = "wigglepad.modeChosen";
inline constexpr std::string_view kModeKey = "wigglepad.mode";
inline constexpr std::string_view kAllowSwipeKey = "wigglepad.allowSwipe";
inline constexpr std::string_view kSoundKey = "wigglepad.sound";

} // namespace wigglepad
