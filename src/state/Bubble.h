#pragma once

#include "Color.h"
#include "Point.h"
#include "SurfaceSize.h"
#include "Uuid.h"

namespace wigglepad {

class RandomSource;

// A floating bubble. The frame step moves the one in AppState's list in place.
struct Bubble {
    Uuid id;
    Point position; // centre, surface points
    Point velocity; // points per second
    Color color;    // a palette entry
    double radius = 0.0;

    // A new bubble one radius outside a random edge of the surface, drifting at 20 to 45 points/s.
    // Draws, in order: radius, edge, place along the edge, speed, angle, colour.
    static Bubble enteringFromEdge(SurfaceSize surface, RandomSource& random);
};

} // namespace wigglepad
