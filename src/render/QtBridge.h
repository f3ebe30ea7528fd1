#pragma once

#include "Color.h"
#include "Point.h"

#include <QColor>
#include <QPointF>

namespace wigglepad {

// The play records' plain value types as the Qt values the painter takes.

inline QColor toQColor(Color c) {
    return QColor::fromRgbF(c.red, c.green, c.blue, c.opacity);
}

inline QPointF toQPointF(Point p) {
    return {p.x, p.y};
}

} // namespace wigglepad
