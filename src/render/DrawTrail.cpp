#include "DrawTrail.h"

#include "Fade.h"
#include "QtBridge.h"
#include "StrokeStyle.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace wigglepad {

namespace {

constexpr double kPauseGap = 0.15; // seconds between points that break the line
constexpr qreal kNewestWidth = 40.0;
constexpr double kSegmentOpacity = 0.85;
constexpr double kHueTurnsPerSecond = 0.3;
constexpr double kHueTurnsAlongTrail = 1.5;
constexpr double kSaturation = 0.35;
constexpr double kBrightness = 0.92;

bool pausedAround(const TrailPoint& p0, const TrailPoint& p1, const TrailPoint& p2) {
    return p1.born - p0.born >= kPauseGap || p2.born - p1.born >= kPauseGap;
}

// A quadratic curve from the midpoint before the middle point to the one after it, bent by it.
QPainterPath segment(Point p0, Point p1, Point p2) {
    QPainterPath path(toQPointF(midpoint(p0, p1)));
    path.quadTo(toQPointF(p1), toQPointF(midpoint(p1, p2)));
    return path;
}

} // namespace

QColor trailSegmentColor(std::size_t i, std::size_t n, TimeStamp now) {
    const double turns = kHueTurnsPerSecond * secondsSinceReferenceDate(now) +
                         kHueTurnsAlongTrail * static_cast<double>(i - 1) / static_cast<double>(n);
    const double hue = std::abs(turns - std::trunc(turns));
    return QColor::fromHsvF(static_cast<float>(hue), kSaturation, kBrightness);
}

void drawTrail(QPainter& painter, const std::vector<TrailPoint>& trail, TimeStamp now) {
    const std::size_t n = trail.size();
    for (std::size_t i = 2; i < n; ++i) {
        const TrailPoint& p0 = trail[i - 2];
        const TrailPoint& p1 = trail[i - 1];
        const TrailPoint& p2 = trail[i];
        const double life = trailPointLife(p1, now);
        if (pausedAround(p0, p1, p2) || !isVisible(life)) {
            continue;
        }
        const double f = static_cast<double>(i - 1) / static_cast<double>(n - 1);
        setElementOpacity(painter, kSegmentOpacity * life);
        painter.strokePath(segment(p0.position, p1.position, p2.position),
                           kTrailStroke.pen(trailSegmentColor(i, n, now), kNewestWidth * f * f));
    }
}

} // namespace wigglepad
