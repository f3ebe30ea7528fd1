#include "RibbonImageCache.h"

#include "QtBridge.h"
#include "RibbonStroke.h"

#include <QPainter>
#include <cmath>

namespace wigglepad {

namespace {

QImage strokeImage(const QPainterPath& path, const QPen& pen, QPoint origin, QSize pixels,
                   qreal devicePixelRatio) {
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(-origin);
    painter.strokePath(path, pen);
    return image;
}

} // namespace

RibbonImageCache::RibbonImageCache(std::size_t capacity)
    : cache_(capacity) {}

const RibbonImageCache::Rendered* RibbonImageCache::rendered(const Ribbon& ribbon,
                                                             qreal devicePixelRatio) {
    const Key key{{ribbon.startPoint.x, ribbon.startPoint.y, ribbon.control1.x, ribbon.control1.y,
                   ribbon.control2.x, ribbon.control2.y, ribbon.endPoint.x, ribbon.endPoint.y,
                   ribbon.width},
                  toQColor(ribbon.color).rgba(),
                  qRound(devicePixelRatio * 100.0)};
    const auto& entry = cache_.get(key, [&] { return render(ribbon, devicePixelRatio); });
    return entry ? &*entry : nullptr;
}

std::optional<RibbonImageCache::Rendered> RibbonImageCache::render(const Ribbon& ribbon,
                                                                   qreal devicePixelRatio) {
    const RibbonStroke stroke(ribbon);
    const QRectF bounds = stroke.bounds();
    const QPoint origin(qFloor(bounds.left()), qFloor(bounds.top()));
    const qreal width = std::ceil((bounds.right() - origin.x()) * devicePixelRatio);
    const qreal height = std::ceil((bounds.bottom() - origin.y()) * devicePixelRatio);
    if (!(width * height <= kMaximumPixels)) {
        return std::nullopt;
    }
    const QSize pixels(static_cast<int>(width), static_cast<int>(height));
    return Rendered{strokeImage(stroke.path, stroke.body, origin, pixels, devicePixelRatio),
                    strokeImage(stroke.path, stroke.core, origin, pixels, devicePixelRatio),
                    origin};
}

} // namespace wigglepad
