#include "Ribbon.h"

namespace wigglepad {

namespace {

constexpr double kBend = 0.3; // control points sit this share of the chord off its middle

} // namespace

Ribbon Ribbon::sCurve(Point start, Point end) {
    const Point mid = midpoint(start, end);
    const Point d = end - start;
    Ribbon ribbon;
    ribbon.startPoint = start;
    ribbon.endPoint = end;
    ribbon.control1 = {mid.x - kBend * d.y, mid.y + kBend * d.x};
    ribbon.control2 = {mid.x + kBend * d.y, mid.y - kBend * d.x};
    return ribbon;
}

} // namespace wigglepad
