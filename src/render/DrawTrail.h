#pragma once

#include "TimeStamp.h"
#include "TrailPoint.h"

#include <QColor>
#include <vector>

class QPainter;

namespace wigglepad {

// The rainbow trail: one curved segment around each inner point, widening towards the newest
// end, its hues scrolling with the time.
void drawTrail(QPainter& painter, const std::vector<TrailPoint>& trail, TimeStamp now);

// The hue of the segment around trail[i - 1] out of n points at `now`.
QColor trailSegmentColor(std::size_t i, std::size_t n, TimeStamp now);

} // namespace wigglepad
