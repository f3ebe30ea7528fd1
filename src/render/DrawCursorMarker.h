#pragma once

#include "Point.h"

#include <QColor>
#include <optional>

class QPainter;

namespace wigglepad {

// How far the cursor's drawing reaches from its centre: the glow's radius, beyond the star.
inline constexpr double kCursorMarkerReach = 26.0;

// The cursor: a soft glow under a ten-point star, both in the trail's current colour.
// Leaves the opacity at 1 whether or not a cursor is shown.
void drawCursorMarker(QPainter& painter, std::optional<Point> cursor, const QColor& color);

} // namespace wigglepad
