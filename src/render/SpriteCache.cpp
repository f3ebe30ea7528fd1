#include "SpriteCache.h"

#include "QtBridge.h"

#include <QPainter>
#include <cmath>

namespace wigglepad {

SpriteCache::SpriteCache(std::size_t capacity)
    : cache_(capacity) {}

void SpriteCache::draw(QPainter& painter, const Key& key, QPointF centre, const QRectF& extent,
                       const Paint& paint) {
    const qreal dpr = devicePixelRatio(painter);
    const QPointF device = painter.deviceTransform().map(centre);
    const QPoint quarters(qRound(device.x() * kSubpixelSteps), qRound(device.y() * kSubpixelSteps));
    const QPoint whole(qFloor(qreal(quarters.x()) / kSubpixelSteps),
                       qFloor(qreal(quarters.y()) / kSubpixelSteps));
    const QPoint phase = quarters - whole * kSubpixelSteps;
    const Placed placed{key, qRound(dpr * 100), phase.x(), phase.y()};
    const Sprite& sprite = cache_.get(placed, [&] { return render(placed, extent, paint); });
    const QPointF topLeft =
        painter.deviceTransform().inverted().map(QPointF(whole + sprite.offset));
    painter.drawImage(topLeft, sprite.image);
}

SpriteCache::Sprite SpriteCache::render(const Placed& placed, const QRectF& extent,
                                        const Paint& paint) {
    const qreal dpr = placed.devicePixelRatioPercent / 100.0;
    // The centre's position within its pixel, and the picture's reach around it, in device pixels.
    const QPointF centre(qreal(placed.phaseX) / kSubpixelSteps,
                         qreal(placed.phaseY) / kSubpixelSteps);
    const QRectF reach(centre + extent.topLeft() * dpr, extent.size() * dpr);
    const QPoint offset(qFloor(reach.left()), qFloor(reach.top()));
    const QSize pixels(qCeil(reach.right()) - offset.x(), qCeil(reach.bottom()) - offset.y());

    Sprite sprite{QImage(pixels, QImage::Format_ARGB32_Premultiplied), offset};
    sprite.image.fill(Qt::transparent);
    QPainter painter(&sprite.image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(centre - QPointF(offset));
    painter.scale(dpr, dpr);
    paint(painter);
    sprite.image.setDevicePixelRatio(dpr);
    return sprite;
}

} // namespace wigglepad
