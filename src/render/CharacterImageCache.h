#pragma once

#include "LruCache.h"
#include "PlayLimits.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <compare>
#include <string>

namespace wigglepad {

// Characters pre-rendered once per (character, size, colour, pixel density): copying an image
// costs far less per frame than laying out and filling large glyph outlines.
class CharacterImageCache {
public:
    // Every shape a surface can hold, all characters, and a few coming in.
    static constexpr std::size_t kDefaultCapacity = kMostShapes + 8;

    struct Rendered {
        QImage image;   // the glyph's ink in the character's colour, fully opaque where inked
        QPointF offset; // from the centre of the laid-out text to the image's top-left, points
    };

    // `family` is the heavy rounded face the characters are drawn in.
    explicit CharacterImageCache(QString family, std::size_t capacity = kDefaultCapacity);

    // The character as drawn in the heavy rounded face at `pointSize` (one point per surface
    // point). The reference stays valid until the next call.
    const Rendered& rendered(const std::string& character, qreal pointSize, const QColor& color,
                             qreal devicePixelRatio);
    std::size_t size() const { return cache_.size(); }
    // Drops what was not drawn since the previous sweep.
    void sweep() { cache_.sweep(); }

    // The heavy rounded face at a pixel size; a bold sans when it is not installed.
    QFont characterFont(int pixelSize) const;

private:
    struct Key {
        std::string character;
        int pixelSize;
        QRgb rgba;
        int devicePixelRatioPercent;
        auto operator<=>(const Key&) const = default;
    };
    Rendered render(const Key& key) const;

    QString family_;
    LruCache<Key, Rendered> cache_;
};

} // namespace wigglepad
