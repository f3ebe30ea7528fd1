#pragma once

#include "CharacterImageCache.h"
#include "PlayLimits.h"
#include "RibbonImageCache.h"
#include "SpriteCache.h"
#include "SquirclePathCache.h"

namespace wigglepad {

// The drawing resources derived from sizes and colours that frames share. They hold nothing of
// the play state, so a frame looks the same with them cold or warm.
struct RenderCaches {
    // `characterFamily` is the heavy rounded face the characters are drawn in.
    explicit RenderCaches(const QString& characterFamily)
        : characters(characterFamily) {}

    SquirclePathCache squircles;
    CharacterImageCache characters;
    RibbonImageCache ribbons;
    // Bubbles drift slowly, so their offsets follow a quarter-point grid: 16 images for each
    // bubble, and room for bubbles coming in.
    SpriteCache bubbles{kMostBubbles * 16 + 32, 4};
    // Figures move fast or rest, so a half-point grid serves: 4 images for each shape, and room.
    SpriteCache figures{kMostShapes * 4 + 32, 2};

    // Once a frame: about every second what no frame drew since the last sweep is dropped, so the
    // images of figures, bubbles and ribbons that are gone stop holding memory.
    void frameDrawn();

private:
    int framesSinceSweep_ = 0;
};

} // namespace wigglepad
