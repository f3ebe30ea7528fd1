#pragma once

#include <QPainterPath>
#include <QSizeF>

namespace wigglepad {

// A rectangle at the origin whose corners bend smoothly out of the straight edges: the
// curvature grows from zero where a corner begins, so no seam shows as with a circular arc.
// `radius` is the circular corner of the same apparent size; each corner spreads over 1.5 radii
// of the edges it joins, and the radius shrinks to fit when the rectangle is too small for that.
QPainterPath continuousRoundedRect(QSizeF size, qreal radius);

} // namespace wigglepad
