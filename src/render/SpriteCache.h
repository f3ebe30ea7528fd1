#pragma once

#include "LruCache.h"

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QRgb>
#include <compare>
#include <functional>

class QPainter;

namespace wigglepad {

// Small pictures drawn on many frames at moving positions, rendered once per size, colour and
// offset within a pixel, then copied: a copy costs a fraction of rasterising antialiased
// outlines anew. Offsets are kept on a grid of 1/stepsPerPoint points, fine enough that motion
// looks as smooth as drawn directly, and as fine on dense screens with fewer images each.
// Expects the painter's transform to be a translation at most.
class SpriteCache {
public:
    struct Key {
        int kind = 0; // the caller's numbering of what it draws
        double size = 0.0;
        QRgb rgba = 0;
        auto operator<=>(const Key&) const = default;
    };
    using Paint = std::function<void(QPainter&)>;

    SpriteCache(std::size_t capacity, int stepsPerPoint);

    // Draws the picture that `paint` paints around the origin, within `extent`, centred on
    // `centre`; `paint` runs only when this key, pixel density and offset are new.
    void draw(QPainter& painter, const Key& key, QPointF centre, const QRectF& extent,
              const Paint& paint);
    std::size_t size() const { return cache_.size(); }
    // Drops what was not drawn since the previous sweep.
    void sweep() { cache_.sweep(); }

private:
    struct Placed {
        Key key;
        int devicePixelRatioPercent;
        int steps;  // offsets per device pixel
        int phaseX; // steps right of the whole device pixel
        int phaseY;
        auto operator<=>(const Placed&) const = default;
    };
    struct Sprite {
        QImage image;
        QPoint offset; // device pixels from the centre's whole pixel to the image's top-left
    };
    static Sprite render(const Placed& placed, const QRectF& extent, const Paint& paint);

    LruCache<Placed, Sprite> cache_;
    int stepsPerPoint_;
};

} // namespace wigglepad
