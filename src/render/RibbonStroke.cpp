#include "RibbonStroke.h"

#include "QtBridge.h"
#include "StrokeStyle.h"

namespace wigglepad {

namespace {

constexpr qreal kCoreWidthPerWidth = 0.3;
constexpr qreal kAntialiasMargin = 1.0;

} // namespace

RibbonStroke::RibbonStroke(const Ribbon& ribbon)
    : path(curve(ribbon))
    , body(kRibbonBodyStroke.pen(toQColor(ribbon.color), ribbon.width))
    , core(kRibbonCoreStroke.pen(Qt::white, kCoreWidthPerWidth * ribbon.width)) {}

QRectF RibbonStroke::bounds() const {
    // Round caps and joins reach half the body's width beyond the curve.
    const qreal reach = body.widthF() / 2 + kAntialiasMargin;
    return path.boundingRect().adjusted(-reach, -reach, reach, reach);
}

QPainterPath RibbonStroke::curve(const Ribbon& ribbon) {
    QPainterPath path(toQPointF(ribbon.startPoint));
    path.cubicTo(toQPointF(ribbon.control1), toQPointF(ribbon.control2),
                 toQPointF(ribbon.endPoint));
    return path;
}

} // namespace wigglepad
