#pragma once

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

    // The ribbon's cubic curve from its start to its end.
    static QPainterPath curve(const Ribbon& ribbon);

    QPainterPath path;
    QPen body;
    QPen core;
};

} // namespace wigglepad
