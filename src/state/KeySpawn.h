#pragma once

#include "PlayMode.h"

#include <optional>
#include <string>
#include <string_view>

namespace wigglepad {

class AppState;

// What one key press makes appear: either one upper-cased character or `count` figures.
struct KeySpawn {
    std::optional<std::string> character; // UTF-8; when present, one character and no figures
    int count = 1;                        // figures to spawn at random places
    double jitter = 0.0;                  // scatter of each figure, points

    // The key rule: `characters` is what the key types with only Shift applied (UTF-8, may be
    // empty). Only its first user-perceived character counts.
    static KeySpawn forKey(std::string_view characters, PlayMode mode);

    void applyTo(AppState& state) const;

    friend bool operator==(const KeySpawn&, const KeySpawn&) = default;
};

} // namespace wigglepad
