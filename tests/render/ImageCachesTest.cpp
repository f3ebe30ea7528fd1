#include "Palette.h"
#include "RibbonImageCache.h"
#include "SpriteCache.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace wigglepad {
namespace {

// The largest difference of any channel of any pixel.
int largestDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)),
                                std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return largest;
}

void paintDisc(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::darkBlue);
    painter.drawEllipse(QPointF(0, 0), 10, 6);
}

QImage blank(qreal dpr = 1.0) {
    QImage image(QSize(80, 60) * dpr, QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::white);
    return image;
}

class SpriteCacheTest : public ::testing::TestWithParam<qreal> {};

TEST_P(SpriteCacheTest, LandsWhereDirectPaintingWouldWithinAQuarterPoint) {
    const qreal dpr = GetParam();
    SpriteCache cache(8, 4);
    QImage copied = blank(dpr);
    QImage direct = blank(dpr);
    for (const QPointF centre : {QPointF(30.3, 20.6), QPointF(50.9, 40.1), QPointF(20.45, 45.7)}) {
        QPainter painter(&copied);
        cache.draw(painter, {0, 10, 0}, centre, QRectF(-12, -8, 24, 16), paintDisc);
        QPainter directPainter(&direct);
        directPainter.setRenderHint(QPainter::Antialiasing);
        const qreal quarter = 0.25; // of a point, at either density
        directPainter.translate(std::round(centre.x() / quarter) * quarter,
                                std::round(centre.y() / quarter) * quarter);
        paintDisc(directPainter);
    }
    EXPECT_LE(largestDifference(copied, direct), 2);
}

INSTANTIATE_TEST_SUITE_P(PixelDensities, SpriteCacheTest, ::testing::Values(1.0, 2.0));

TEST(SpriteCacheReuseTest, RendersEachOffsetWithinAPixelOnce) {
    SpriteCache cache(4, 4);
    QImage image = blank();
    QPainter painter(&image);
    int painted = 0;
    const auto paint = [&](QPainter& p) {
        ++painted;
        paintDisc(p);
    };
    cache.draw(painter, {0, 10, 0}, {30.25, 20}, QRectF(-12, -8, 24, 16), paint);
    cache.draw(painter, {0, 10, 0}, {40.26, 30}, QRectF(-12, -8, 24, 16), paint);
    EXPECT_EQ(painted, 1);
    cache.draw(painter, {0, 10, 0}, {40.5, 30}, QRectF(-12, -8, 24, 16), paint);
    EXPECT_EQ(painted, 2);
}

Ribbon straightRibbon(Point start, Point end, double width) {
    Ribbon ribbon;
    ribbon.startPoint = start;
    ribbon.endPoint = end;
    ribbon.control1 = midpoint(start, end);
    ribbon.control2 = midpoint(start, end);
    ribbon.color = palette()[2];
    ribbon.width = width;
    return ribbon;
}

// The stroke's bands put back together on a transparent canvas of its box.
QImage assembled(const RibbonImageCache::Stroke& stroke, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    for (const auto& band : stroke) {
        painter.drawImage(band.offset, band.image);
    }
    return image;
}

TEST(RibbonImageCacheTest, BandsLeaveOutTheEmptinessOfADiagonalRibbon) {
    RibbonImageCache cache;
    const auto* rendered = cache.rendered(straightRibbon({10, 10}, {210, 210}, 12), 1.0);
    ASSERT_NE(rendered, nullptr);
    long kept = 0;
    for (const auto& band : rendered->body) {
        kept += band.image.width() * band.image.height();
    }
    EXPECT_LT(kept, 215 * 215 / 3);
    EXPECT_EQ(
        qAlpha(assembled(rendered->body, {230, 230}).pixel(QPoint(110, 110) - rendered->origin)),
        255);
}

} // namespace
} // namespace wigglepad
