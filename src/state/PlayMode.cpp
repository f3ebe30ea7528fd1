#include "PlayMode.h"

namespace wigglepad {

std::string_view rawValue(PlayMode mode) {
    switch (mode) {
    case PlayMode::sensory:
        return "sensory";
    case PlayMode::lettersNumbers:
        return "lettersNumbers";
    }
    return "sensory";
}

std::optional<PlayMode> parsePlayMode(std::string_view raw) {
    for (const PlayMode mode : kAllPlayModes) {
        if (raw == rawValue(mode)) {
            return mode;
        }
    }
    return std::nullopt;
}

} // namespace wigglepad
