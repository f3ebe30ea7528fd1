#pragma once

#include "LruCache.h"
#include "PlayLimits.h"
#include "Ribbon.h"

#include <QImage>
#include <QPoint>
#include <array>
#include <compare>
#include <optional>
#include <vector>

class QPainter;

namespace wigglepad {

// Ribbons pre-rendered once each: a ribbon never changes its curve, width or colour while it
// fades, and copying its pixels costs a fraction of rasterising a long, wide, round-capped
// stroke on every frame. Body and core are kept apart so each still fades at its own opacity.
class RibbonImageCache {
public:
    // Every ribbon a surface holds, and the one coming in.
    static constexpr std::size_t kDefaultCapacity = kMostRibbons + 1;
    // Longer ribbons are stroked directly: the picture is first drawn whole, in this many pixels.
    static constexpr int kMaximumPixels = 1024 * 1024;

    // A stroke's pixels, fully opaque where covered, cut into bands of rows trimmed to where the
    // stroke lies: a curve crossing its box diagonally leaves most of the box empty, and the
    // bands hold a sixth of the memory and copy faster than the whole box.
    struct Band {
        QPoint offset; // device pixels from the ribbon's origin
        QImage image;
    };
    using Stroke = std::vector<Band>;
    struct Rendered {
        Stroke body;   // the ribbon's colour
        Stroke core;   // the white core line
        QPoint origin; // surface points, on whole device pixels
    };

    explicit RibbonImageCache(std::size_t capacity = kDefaultCapacity);

    // Nothing when the ribbon's images would exceed kMaximumPixels. The pointer stays valid
    // until the next call.
    const Rendered* rendered(const Ribbon& ribbon, qreal devicePixelRatio);
    std::size_t size() const { return cache_.size(); }
    // Drops what was not drawn since the previous sweep.
    void sweep() { cache_.sweep(); }

    // Copies the stroke's bands at the painter's current opacity.
    static void draw(QPainter& painter, QPoint origin, const Stroke& stroke);

private:
    struct Key {
        std::array<double, 9> geometry; // the four points and the width
        QRgb rgba;
        int devicePixelRatioPercent;
        auto operator<=>(const Key&) const = default;
    };
    static std::optional<Rendered> render(const Ribbon& ribbon, qreal devicePixelRatio);

    LruCache<Key, std::optional<Rendered>> cache_;
};

} // namespace wigglepad
