#pragma once

#include "Point.h"
#include "Ribbon.h"

#include <QPainterPath>
#include <QPen>
#include <QRectF>

namespace wigglepad {

// How a ribbon is stroked: its S-curve, a body in the ribbon's colour and a lighter core.
struct RibbonStroke {
    explicit RibbonStroke(const Ribbon& ribbon);

    // Everything the two strokes can touch, antialiased edges included.
    QRectF bounds() const;

    // A cubic curve from `start` to `end`.
    static QPainterPath curve(Point start, Point control1, Point control2, Point end);

    QPainterPath path;
    QPen body;
    QPen core;
};

} // namespace wigglepad
