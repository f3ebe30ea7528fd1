#include "CharacterImageCache.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <utility>

namespace wigglepad {

namespace {

constexpr qreal kInkMargin = 2.0; // points around the glyph's outline for its antialiased edge

// Where the text's baseline starts when the centre of its layout box (advance wide, ascent plus
// descent high) lies on the origin.
QPointF baselineOrigin(const QFont& font, const QString& text) {
    const QFontMetricsF metrics(font);
    return {-metrics.horizontalAdvance(text) / 2.0, -metrics.height() / 2.0 + metrics.ascent()};
}

} // namespace

CharacterImageCache::CharacterImageCache(QString family, std::size_t capacity)
    : family_(std::move(family))
    , cache_(capacity) {}

const CharacterImageCache::Rendered& CharacterImageCache::rendered(const std::string& character,
                                                                   qreal pointSize,
                                                                   const QColor& color,
                                                                   qreal devicePixelRatio) {
    const Key key{character, qRound(pointSize), color.rgba(), qRound(devicePixelRatio * 100.0)};
    return cache_.get(key, [&] { return render(key); });
}

QFont CharacterImageCache::characterFont(int pixelSize) const {
    QFont font;
    font.setFamilies({family_, QStringLiteral("sans-serif")});
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(QFont::Black);
    font.setPixelSize(std::max(1, pixelSize));
    return font;
}

CharacterImageCache::Rendered CharacterImageCache::render(const Key& key) const {
    const QFont font = characterFont(key.pixelSize);
    const QString text = QString::fromStdString(key.character);
    QPainterPath outline;
    outline.addText(baselineOrigin(font, text), font, text);
    // The heavy face draws some letters from overlapping outlines (the bars of A and Z, the
    // hook of Ç): filled even-odd, the overlaps would show as holes.
    outline.setFillRule(Qt::WindingFill);
    const QRectF ink =
        outline.boundingRect().adjusted(-kInkMargin, -kInkMargin, kInkMargin, kInkMargin);
    const qreal dpr = key.devicePixelRatioPercent / 100.0;
    const QPointF topLeft(std::floor(ink.left()), std::floor(ink.top()));
    const QSize pixels(qCeil((ink.right() - topLeft.x()) * dpr),
                       qCeil((ink.bottom() - topLeft.y()) * dpr));

    Rendered result{QImage(pixels, QImage::Format_ARGB32_Premultiplied), topLeft};
    result.image.setDevicePixelRatio(dpr);
    result.image.fill(Qt::transparent);
    QPainter painter(&result.image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(-topLeft);
    painter.fillPath(outline, QColor::fromRgba(key.rgba));
    return result;
}

} // namespace wigglepad
