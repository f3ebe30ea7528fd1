#include "drawRibbons.h"

#include "Fade.h"
#include "QtBridge.h"
#include "StrokeStyle.h"

#include <QPainter>
#include <QPainterPath>

namespace wigglepad {

namespace {

constexpr double kBodyOpacity = 0.7;
constexpr double kCoreOpacity = 0.3;
constexpr qreal kCoreWidthPerWidth = 0.3;
constexpr double kPreviewMinimumLength = 10.0; // a preview shows only beyond this
constexpr double kPreviewOpacity = 0.4;
constexpr qreal kPreviewWidth = 8.0;
constexpr double kSCurveBend = 0.3; // control points off the chord's midpoint, in chord lengths

QPainterPath cubic(Point start, Point control1, Point control2, Point end) {
    QPainterPath path(toQPointF(start));
    path.cubicTo(toQPointF(control1), toQPointF(control2), toQPointF(end));
    return path;
}

void drawRibbon(QPainter& painter, const Ribbon& ribbon, double life) {
    const QPainterPath path =
        cubic(ribbon.startPoint, ribbon.control1, ribbon.control2, ribbon.endPoint);
    setElementOpacity(painter, kBodyOpacity * life);
    painter.strokePath(path, kRibbonBodyStroke.pen(toQColor(ribbon.color), ribbon.width));
    setElementOpacity(painter, kCoreOpacity * life);
    painter.strokePath(path, kRibbonCoreStroke.pen(Qt::white, kCoreWidthPerWidth * ribbon.width));
}

} // namespace

void drawRibbons(QPainter& painter, const std::vector<Ribbon>& ribbons, TimeStamp now) {
    for (const Ribbon& ribbon : ribbons) {
        const double life = ribbonLife(ribbon, now);
        if (isVisible(life)) {
            drawRibbon(painter, ribbon, life);
        }
    }
}

void drawDragPreview(QPainter& painter, std::optional<Point> dragStart,
                     std::optional<Point> dragCurrent, const QColor& color) {
    if (!dragStart || !dragCurrent || distance(*dragStart, *dragCurrent) <= kPreviewMinimumLength) {
        return;
    }
    const Point s = *dragStart;
    const Point c = *dragCurrent;
    const Point m = midpoint(s, c);
    const Point d = c - s;
    const Point bend{-kSCurveBend * d.y, kSCurveBend * d.x};
    setElementOpacity(painter, kPreviewOpacity);
    painter.strokePath(cubic(s, m + bend, m - bend, c),
                       kDragPreviewStroke.pen(color, kPreviewWidth));
}

} // namespace wigglepad
