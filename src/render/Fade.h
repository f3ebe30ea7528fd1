#pragma once

#include "BubbleParticle.h"
#include "PlayShape.h"
#include "Ribbon.h"
#include "TimeStamp.h"
#include "TrailPoint.h"

class QPainter;

namespace wigglepad {

// How much of each record still shows at `now`. Every fade reaches zero at the age at which the
// frame step prunes that kind of record, so a record kept until the next pruning never shows.
// Records stamped slightly after the frame's time give values a little above 1.

double particleOpacity(const BubbleParticle& particle, TimeStamp now);
double shapeOpacity(const PlayShape& shape, TimeStamp now);
double ribbonLife(const Ribbon& ribbon, TimeStamp now);
double trailPointLife(const TrailPoint& point, TimeStamp now);

// Whether an element at this opacity is drawn at all.
bool isVisible(double opacity);

// Sets the painter's opacity for the next element, clamped to 0...1.
void setElementOpacity(QPainter& painter, double opacity);

} // namespace wigglepad
