#include "SquirclePathCache.h"

#include "ContinuousRoundedRect.h"

namespace wigglepad {

SquirclePathCache::SquirclePathCache(std::size_t capacity)
    : cache_(capacity) {}

QPainterPath SquirclePathCache::path(QSizeF size, qreal radius) {
    return cache_.get({size.width(), size.height(), radius},
                      [&] { return continuousRoundedRect(size, radius); });
}

} // namespace wigglepad
