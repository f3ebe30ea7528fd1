#include "DrawRibbons.h"

#include "Fade.h"
#include "QtBridge.h"
#include "RibbonImageCache.h"
#include "RibbonStroke.h"
#include "StrokeStyle.h"

#include <QPainter>
#include <QPainterPath>

namespace wigglepad {

namespace {

constexpr double kBodyOpacity = 0.7;
constexpr double kCoreOpacity = 0.3;
constexpr double kPreviewMinimumLength = 10.0; // a preview shows only beyond this
constexpr double kPreviewOpacity = 0.4;
constexpr qreal kPreviewWidth = 8.0;

void strokeRibbon(QPainter& painter, const Ribbon& ribbon, double life) {
    const RibbonStroke stroke(ribbon);
    setElementOpacity(painter, kBodyOpacity * life);
    painter.strokePath(stroke.path, stroke.body);
    setElementOpacity(painter, kCoreOpacity * life);
    painter.strokePath(stroke.path, stroke.core);
}

void drawRibbon(QPainter& painter, const Ribbon& ribbon, double life, RibbonImageCache& images) {
    const RibbonImageCache::Rendered* rendered = images.rendered(ribbon, devicePixelRatio(painter));
    if (!rendered) {
        strokeRibbon(painter, ribbon, life);
        return;
    }
    setElementOpacity(painter, kBodyOpacity * life);
    RibbonImageCache::draw(painter, rendered->origin, rendered->body);
    setElementOpacity(painter, kCoreOpacity * life);
    RibbonImageCache::draw(painter, rendered->origin, rendered->core);
}

} // namespace

void drawRibbons(QPainter& painter, const std::vector<Ribbon>& ribbons, TimeStamp now,
                 RibbonImageCache& images) {
    for (const Ribbon& ribbon : ribbons) {
        const double life = ribbonLife(ribbon, now);
        if (isVisible(life)) {
            drawRibbon(painter, ribbon, life, images);
        }
    }
}

void drawDragPreview(QPainter& painter, std::optional<Point> dragStart,
                     std::optional<Point> dragCurrent, const QColor& color) {
    if (!dragStart || !dragCurrent || distance(*dragStart, *dragCurrent) <= kPreviewMinimumLength) {
        return;
    }
    setElementOpacity(painter, kPreviewOpacity);
    painter.strokePath(RibbonStroke::curve(Ribbon::sCurve(*dragStart, *dragCurrent)),
                       kDragPreviewStroke.pen(color, kPreviewWidth));
}

} // namespace wigglepad
