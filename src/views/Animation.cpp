#include "Animation.h"

#include <QPointF>

namespace wigglepad {

namespace {

constexpr std::chrono::milliseconds kStandardDuration{350};

// The usual ease-in-out: a cubic Bezier through (0.42, 0) and (0.58, 1).
QEasingCurve easeInOut() {
    QEasingCurve curve(QEasingCurve::BezierSpline);
    curve.addCubicBezierSegment(QPointF(0.42, 0.0), QPointF(0.58, 1.0), QPointF(1.0, 1.0));
    return curve;
}

} // namespace

Animation Animation::standard() {
    return Animation{kStandardDuration, easeInOut()};
}

} // namespace wigglepad
