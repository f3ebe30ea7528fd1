#include "RibbonStroke.h"

#include "QtBridge.h"
#include "StrokeStyle.h"

namespace wigglepad {

namespace {

constexpr qreal kCoreWidthPerWidth = 0.3;
constexpr qreal kAntialiasMargin = 1.0;

} // namespace

RibbonStroke::RibbonStroke(const Ribbon& ribbon)
    : path(curve(ribbon.startPoint, ribbon.control1, ribbon.control2, ribbon.endPoint))
    , body(kRibbonBodyStroke.pen(toQColor(ribbon.color), ribbon.width))
    , core(kRibbonCoreStroke.pen(Qt::white, kCoreWidthPerWidth * ribbon.width)) {}

QRectF RibbonStroke::bounds() const {
    // Round caps and joins reach half the body's width beyond the curve.
    const qreal reach = body.widthF() / 2 + kAntialiasMargin;
    return path.boundingRect().adjusted(-reach, -reach, reach, reach);
}

QPainterPath RibbonStroke::curve(Point start, Point control1, Point control2, Point end) {
    QPainterPath path(toQPointF(start));
    path.cubicTo(toQPointF(control1), toQPointF(control2), toQPointF(end));
    return path;
}

} // namespace wigglepad
