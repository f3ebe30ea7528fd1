#include "Fade.h"

#include "PlayLimits.h"

#include <QPainter>
#include <algorithm>

namespace wigglepad {

namespace {

// An unsettled shape shows fully until its fade leads up to its end of life.
constexpr double kShapeFullOpacityAge = kUnsettledShapeLife - kShapeFade;
constexpr double kHiddenOpacity = 0.01; // at or below this nothing is drawn

double age(TimeStamp t, TimeStamp now) {
    return now - t;
}

} // namespace

double particleOpacity(const BubbleParticle& particle, TimeStamp now) {
    return std::max(0.0, 1.0 - age(particle.born, now) / kParticleLife);
}

double shapeOpacity(const PlayShape& shape, TimeStamp now) {
    if (shape.settledTime) {
        return 1.0 - age(*shape.settledTime, now) / kSettledShapeLife;
    }
    const double a = age(shape.born, now);
    return a <= kShapeFullOpacityAge ? 1.0 : 1.0 - (a - kShapeFullOpacityAge) / kShapeFade;
}

double ribbonLife(const Ribbon& ribbon, TimeStamp now) {
    return 1.0 - age(ribbon.born, now) / kRibbonLife;
}

double trailPointLife(const TrailPoint& point, TimeStamp now) {
    return 1.0 - age(point.born, now) / kTrailPointLife;
}

bool isVisible(double opacity) {
    return opacity > kHiddenOpacity;
}

void setElementOpacity(QPainter& painter, double opacity) {
    painter.setOpacity(std::clamp(opacity, 0.0, 1.0));
}

} // namespace wigglepad
