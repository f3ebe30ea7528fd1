#pragma once

#include "Color.h"
#include "Point.h"
#include "TimeStamp.h"
#include "Uuid.h"

namespace wigglepad {

// The S-curve a left-button drag leaves: a cubic Bezier from startPoint to endPoint.
struct Ribbon {
    Uuid id;
    Point startPoint;
    Point endPoint;
    Point control1;
    Point control2;
    Color color;
    double width = 0.0; // stroke width in points, 6 to 14
    TimeStamp born = 0.0;

    // The curve of a drag from `start` to `end`: the control points lie on opposite sides of the
    // chord, each 0.3 chord lengths off its middle, a gentle S. Identity, colour, width and birth
    // are left to the caller.
    static Ribbon sCurve(Point start, Point end);
};

} // namespace wigglepad
