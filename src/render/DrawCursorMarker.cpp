#include "DrawCursorMarker.h"

#include "Fade.h"
#include "QtBridge.h"
#include "StrokeStyle.h"

#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>
#include <numbers>

namespace wigglepad {

namespace {

constexpr qreal kGlowDiameter = 2 * kCursorMarkerReach;
constexpr double kGlowOpacity = 0.25;
constexpr qreal kTipRadius = 18.0;
constexpr qreal kNotchRadius = 8.0;
constexpr qreal kOutlineWidth = 2.0;
constexpr double kOutlineColorOpacity = 0.9;

void drawGlow(QPainter& painter, QPointF c, const QColor& color) {
    setElementOpacity(painter, kGlowOpacity);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawEllipse(c, kGlowDiameter / 2, kGlowDiameter / 2);
}

// The star's outline, tips and notches alternating, starting with the upper tip.
std::array<QPointF, 10> starVertices(QPointF centre) {
    std::array<QPointF, 10> vertices;
    for (std::size_t k = 0; k < vertices.size(); ++k) {
        const double angle = -std::numbers::pi / 2 + static_cast<double>(k) * std::numbers::pi / 5;
        const qreal r = k % 2 == 0 ? kTipRadius : kNotchRadius;
        vertices[k] = centre + QPointF(r * std::cos(angle), r * std::sin(angle));
    }
    return vertices;
}

void drawStar(QPainter& painter, QPointF c, const QColor& color) {
    const auto vertices = starVertices(c);
    QPainterPath star;
    star.addPolygon(QPolygonF(QList<QPointF>(vertices.begin(), vertices.end())));
    star.closeSubpath();
    setElementOpacity(painter, 1.0);
    painter.fillPath(star, color);
    QColor outline(Qt::white);
    outline.setAlphaF(kOutlineColorOpacity);
    painter.strokePath(star, kStarOutlineStroke.pen(outline, kOutlineWidth));
}

} // namespace

void drawCursorMarker(QPainter& painter, std::optional<Point> cursor, const QColor& color) {
    setElementOpacity(painter, 1.0);
    if (!cursor) {
        return;
    }
    const QPointF c = toQPointF(*cursor);
    drawGlow(painter, c, color);
    drawStar(painter, c, color);
}

} // namespace wigglepad
