#pragma once

#include "PlayShape.h"
#include "TimeStamp.h"

#include <vector>

class QPainter;

namespace wigglepad {

struct RenderCaches;

// The falling figures and characters with their fades, in list order.
void drawShapes(QPainter& painter, const std::vector<PlayShape>& shapes, TimeStamp now,
                RenderCaches& caches);

} // namespace wigglepad
