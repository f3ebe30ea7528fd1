#pragma once

#include "LruCache.h"

#include <QPainterPath>
#include <QSizeF>
#include <compare>

namespace wigglepad {

// Continuous-corner rectangles at the origin, built once per size and corner radius and reused
// on every frame the same size is drawn.
class SquirclePathCache {
public:
    static constexpr std::size_t kDefaultCapacity = 64; // the 40 figures and the two hold bars

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
