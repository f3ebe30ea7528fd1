#pragma once

#include "Color.h"
#include "Point.h"
#include "TimeStamp.h"

namespace wigglepad {

// One fleck of a popped bubble; the renderer derives its motion and fade from its age.
struct BubbleParticle {
    Point position; // where the bubble burst
    Point velocity; // points per second
    Color color;    // the bubble's colour
    double size = 0.0;
    TimeStamp born = 0.0; // the burst's instant, shared by the whole burst
};

} // namespace wigglepad
