#pragma once

#include "Color.h"
#include "Point.h"
#include "TimeStamp.h"

namespace wigglepad {

// One smoothed point of the pointer's rainbow trail.
struct TrailPoint {
    Point position;
    Color color; // feeds the cursor's colour; the trail itself is drawn in rainbow hues
    TimeStamp born = 0.0;
};

} // namespace wigglepad
