#pragma once

#include "Color.h"
#include "Point.h"

#include <QColor>
#include <QPaintDevice>
#include <QPainter>
#include <QPointF>

namespace wigglepad {

// The play records' plain value types as the Qt values the painter takes.

inline QColor toQColor(Color c) {
    return QColor::fromRgbF(c.red, c.green, c.blue, c.opacity);
}

inline QPointF toQPointF(Point p) {
    return {p.x, p.y};
}

// Device pixels per surface point of what the painter paints on.
inline qreal devicePixelRatio(const QPainter& painter) {
    return painter.device() ? painter.device()->devicePixelRatio() : 1.0;
}

} // namespace wigglepad
