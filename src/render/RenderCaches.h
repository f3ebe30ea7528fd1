#pragma once

#include "CharacterImageCache.h"
#include "SquirclePathCache.h"

namespace wigglepad {

// The drawing resources derived from sizes and colours that frames share. They hold nothing of
// the play state, so a frame looks the same with them cold or warm.
struct RenderCaches {
    SquirclePathCache squircles;
    CharacterImageCache characters;
};

} // namespace wigglepad
