#include "Fade.h"

#include <QPainter>
#include <algorithm>

namespace wigglepad {

namespace {

constexpr double kParticleLifetime = 0.6;
constexpr double kShapeFullOpacityAge = 15.0;
constexpr double kShapeFadeDuration = 3.0; // both after 15 s and after settling
constexpr double kRibbonLifetime = 4.0;
constexpr double kTrailPointLifetime = 2.0;
constexpr double kHiddenOpacity = 0.01; // at or below this nothing is drawn

double age(TimeStamp t, TimeStamp now) {
    return now - t;
}

} // namespace

double particleOpacity(const BubbleParticle& particle, TimeStamp now) {
    return std::max(0.0, 1.0 - age(particle.born, now) / kParticleLifetime);
}

double shapeOpacity(const PlayShape& shape, TimeStamp now) {
    if (shape.settledTime) {
        return 1.0 - age(*shape.settledTime, now) / kShapeFadeDuration;
    }
    const double a = age(shape.born, now);
    return a <= kShapeFullOpacityAge ? 1.0 : 1.0 - (a - kShapeFullOpacityAge) / kShapeFadeDuration;
}

double ribbonLife(const Ribbon& ribbon, TimeStamp now) {
    return 1.0 - age(ribbon.born, now) / kRibbonLifetime;
}

double trailPointLife(const TrailPoint& point, TimeStamp now) {
    return 1.0 - age(point.born, now) / kTrailPointLifetime;
}

bool isVisible(double opacity) {
    return opacity > kHiddenOpacity;
}

void setElementOpacity(QPainter& painter, double opacity) {
    painter.setOpacity(std::clamp(opacity, 0.0, 1.0));
}

} // namespace wigglepad
