#pragma once

#include "LruCache.h"
#include "Ribbon.h"

#include <QImage>
#include <QPoint>
#include <array>
#include <compare>
#include <optional>

namespace wigglepad {

// Ribbons pre-rendered once each: a ribbon never changes its curve, width or colour while it
// fades, and copying its pixels costs a fraction of rasterising a long, wide, round-capped
// stroke on every frame. Body and core are kept apart so each still fades at its own opacity.
class RibbonImageCache {
public:
    static constexpr std::size_t kDefaultCapacity = 16; // the 15 ribbons a surface holds, one more
    // Longer ribbons are stroked directly rather than held as mostly empty images.
    static constexpr int kMaximumPixels = 512 * 512;

    struct Rendered {
        QImage body;   // the ribbon's colour, fully opaque where covered
        QImage core;   // the white core line, likewise
        QPoint origin; // where both images' top-left corners go, surface points
    };

    explicit RibbonImageCache(std::size_t capacity = kDefaultCapacity);

    // Nothing when the ribbon's images would exceed kMaximumPixels. The pointer stays valid
    // until the next call.
    const Rendered* rendered(const Ribbon& ribbon, qreal devicePixelRatio);
    std::size_t size() const { return cache_.size(); }

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
