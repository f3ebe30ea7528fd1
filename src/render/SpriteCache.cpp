#include "SpriteCache.h"

#include "QtBridge.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace wigglepad {

SpriteCache::SpriteCache(std::size_t capacity, int stepsPerPoint)
    : cache_(capacity)
    , stepsPerPoint_(std::max(1, stepsPerPoint)) {}

void SpriteCache::draw(QPainter& painter, const Key& key, QPointF centre, const QRectF& extent,
                       const Paint& paint) {
    const qreal dpr = devicePixelRatio(painter);
    const int steps = std::max(1, qRound(stepsPerPoint_ / dpr));
    const QPointF device = painter.deviceTransform().map(centre);
    const QPoint onGrid(qRound(device.x() * steps), qRound(device.y() * steps));
    const QPoint whole(qFloor(qreal(onGrid.x()) / steps), qFloor(qreal(onGrid.y()) / steps));
    const QPoint phase = onGrid - whole * steps;
    const Placed placed{key, qRound(dpr * 100), steps, phase.x(), phase.y()};
    const Sprite& sprite = cache_.get(placed, [&] { return render(placed, extent, paint); });
    const QPointF topLeft =
        painter.deviceTransform().inverted().map(QPointF(whole + sprite.offset));
    painter.drawImage(topLeft, sprite.image);
}

SpriteCache::Sprite SpriteCache::render(const Placed& placed, const QRectF& extent,
                                        const Paint& paint) {
    const qreal dpr = placed.devicePixelRatioPercent / 100.0;
    // The centre's position within its pixel, and the picture's reach around it, in device pixels.
    const QPointF centre(qreal(placed.phaseX) / placed.steps, qreal(placed.phaseY) / placed.steps);
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
