#pragma once

#include "Point.h"
#include "Ribbon.h"
#include "TimeStamp.h"

#include <QColor>
#include <optional>
#include <vector>

class QPainter;

namespace wigglepad {

class RibbonImageCache;

// Each ribbon as a coloured S-curve with a lighter core, fading over 4 s.
void drawRibbons(QPainter& painter, const std::vector<Ribbon>& ribbons, TimeStamp now,
                 RibbonImageCache& images);

// The dashed curve a drag under way would leave, once it is longer than 10 points.
void drawDragPreview(QPainter& painter, std::optional<Point> dragStart,
                     std::optional<Point> dragCurrent, const QColor& color);

} // namespace wigglepad
