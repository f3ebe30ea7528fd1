#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace wigglepad {

// How key presses turn into play: figures only, or the matching letters and digits.
enum class PlayMode { sensory, lettersNumbers };

// Every mode in menu order.
inline constexpr std::array<PlayMode, 2> kAllPlayModes{PlayMode::sensory, PlayMode::lettersNumbers};

// The stored form of a mode: "sensory" or "lettersNumbers".
std::string_view rawValue(PlayMode mode);

// Exact, case-sensitive match of a raw value; anything else is no mode.
std::optional<PlayMode> parsePlayMode(std::string_view raw);

} // namespace wigglepad
