#pragma once

#include "CharacterImageCache.h"
#include "RibbonImageCache.h"
#include "SpriteCache.h"
#include "SquirclePathCache.h"

namespace wigglepad {

// The drawing resources derived from sizes and colours that frames share. They hold nothing of
// the play state, so a frame looks the same with them cold or warm.
struct RenderCaches {
    SquirclePathCache squircles;
    CharacterImageCache characters;
    RibbonImageCache ribbons;
    // Every quarter-pixel offset of the eight bubbles, and some room for bubbles coming in.
    SpriteCache bubbles{8 * SpriteCache::kSubpixelSteps * SpriteCache::kSubpixelSteps + 32};
};

} // namespace wigglepad
