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
};

} // namespace wigglepad
