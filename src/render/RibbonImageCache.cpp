#include "RibbonImageCache.h"

#include "QtBridge.h"
#include "RibbonStroke.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace wigglepad {

namespace {

constexpr int kBandHeight = 32; // device pixels: fewer copies against less emptiness copied

// The columns of rows [top, bottom) that hold any ink, or an empty rectangle.
QRect inkedColumns(const QImage& image, int top, int bottom) {
    int left = image.width();
    int right = -1;
    for (int y = top; y < bottom; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(row[x]) != 0) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return right < left ? QRect() : QRect(left, top, right - left + 1, bottom - top);
}

RibbonImageCache::Stroke inkedBands(const QImage& image) {
    RibbonImageCache::Stroke bands;
    for (int top = 0; top < image.height(); top += kBandHeight) {
        const QRect band = inkedColumns(image, top, std::min(top + kBandHeight, image.height()));
        if (!band.isEmpty()) {
            bands.push_back({band.topLeft(), image.copy(band)}); // keeps the pixel density
        }
    }
    return bands;
}

RibbonImageCache::Stroke strokeBands(const QPainterPath& path, const QPen& pen, QPoint origin,
                                     QSize pixels, qreal devicePixelRatio) {
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(-origin);
    painter.strokePath(path, pen);
    painter.end();
    return inkedBands(image);
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

void RibbonImageCache::draw(QPainter& painter, QPoint origin, const Stroke& stroke) {
    for (const Band& band : stroke) {
        painter.drawImage(QPointF(origin) + QPointF(band.offset) / band.image.devicePixelRatio(),
                          band.image);
    }
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
    return Rendered{strokeBands(stroke.path, stroke.body, origin, pixels, devicePixelRatio),
                    strokeBands(stroke.path, stroke.core, origin, pixels, devicePixelRatio),
                    origin};
}

} // namespace wigglepad
