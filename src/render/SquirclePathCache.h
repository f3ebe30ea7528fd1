#pragma once

#include "LruCache.h"
#include "PlayLimits.h"

#include <QPainterPath>
#include <QSizeF>
#include <compare>

namespace wigglepad {

// Continuous-corner rectangles at the origin, built once per size and corner radius and reused
// on every frame the same size is drawn.
class SquirclePathCache {
public:
    // Every figure a surface can hold, and the hold bars' tracks and growing fills.
    static constexpr std::size_t kDefaultCapacity = kMostShapes + 24;

    explicit SquirclePathCache(std::size_t capacity = kDefaultCapacity);

    QPainterPath path(QSizeF size, qreal radius);
    std::size_t size() const { return cache_.size(); }
    // Drops what was not drawn since the previous sweep.
    void sweep() { cache_.sweep(); }

private:
    struct Key {
        qreal width;
        qreal height;
        qreal radius;
        auto operator<=>(const Key&) const = default;
    };
    LruCache<Key, QPainterPath> cache_;
};

} // namespace wigglepad
