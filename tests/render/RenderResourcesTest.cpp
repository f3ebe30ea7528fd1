#include "CharacterImageCache.h"
#include "ContinuousRoundedRect.h"
#include "LruCache.h"
#include "PaintOnPoolThread.h"
#include "Pixels.h"
#include "RibbonImageCache.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QThread>
#include <QThreadPool>
#include <gtest/gtest.h>
#include <string>
#include <utility>

namespace wigglepad {
namespace {

TEST(LruCacheTest, MakesOnceDropsTheLeastRecentlyUsedWhenFullAndWhatASweepFindsUnused) {
    LruCache<int, std::string> cache(2);
    int made = 0;
    const auto get = [&](int key) {
        return cache.get(key, [&] {
            ++made;
            return std::to_string(key);
        });
    };
    // Keys asked for in turn and how many values were made by then: 1, asked for again, is the
    // most recent when 3 drops 2.
    const std::pair<int, int> asks[] = {{1, 1}, {2, 2}, {1, 2}, {3, 3}, {1, 3}, {2, 4}};
    for (const auto& [key, madeBy] : asks) {
        EXPECT_EQ(get(key), std::to_string(key));
        EXPECT_EQ(made, madeBy) << "after asking for " << key;
    }

    // A sweep drops what was not asked for since the previous one: 2 goes, 1 stays.
    cache.sweep();
    get(1);
    cache.sweep();
    EXPECT_EQ(cache.size(), 1U);
    get(1);
    EXPECT_EQ(made, 4);
}

// Pre-rendered characters and ribbons are made at the painter's pixel density, so they stay
// sharp on dense screens.
TEST(RenderCachesTest, PreRenderAtThePaintersPixelDensity) {
    CharacterImageCache characters(QStringLiteral("Nunito"));
    const int characterWidth = characters.rendered("E", 100, Qt::red, 1.0).image.width();
    const QImage& character = characters.rendered("E", 100, Qt::red, 2.0).image;
    EXPECT_NEAR(character.width(), 2 * characterWidth, 2);
    EXPECT_DOUBLE_EQ(character.devicePixelRatio(), 2.0);
    RibbonImageCache ribbons;
    const Ribbon ribbon{{}, {0, 0}, {100, 0}, {30, 0}, {60, 0}, {0.5, 0.5, 0.5, 1.0}, 10, 0.0};
    const int ribbonWidth = ribbons.rendered(ribbon, 1.0)->body.at(0).image.width();
    const QImage& band = ribbons.rendered(ribbon, 2.0)->body.at(0).image;
    EXPECT_NEAR(band.width(), 2 * ribbonWidth, 2);
    EXPECT_DOUBLE_EQ(band.devicePixelRatio(), 2.0);
}

// Where strokes of a glyph cross (A's bar, X's crossing, 8's waist) the image is inked as the
// face draws the glyph itself, for a letter of another script too.
TEST(RenderCachesTest, CharactersCoverWhatTheFaceDrawsWhereTheirStrokesOverlap) {
    CharacterImageCache characters(QStringLiteral("Nunito"));
    const QPointF centre(150, 150);
    const QFont font = characters.characterFont(200);
    const QFontMetricsF metrics(font);
    for (const char* character : {"A", "X", "8", "Ж"}) {
        const auto& rendered = characters.rendered(character, 200, Qt::black, 1.0);
        QImage cached(300, 300, QImage::Format_RGB32);
        cached.fill(Qt::white);
        QImage drawn = cached.copy();
        QPainter(&cached).drawImage(centre + rendered.offset, rendered.image);
        QPainter painter(&drawn);
        painter.setRenderHint(QPainter::Antialiasing);
        const QString text = QString::fromUtf8(character);
        painter.setFont(font);
        painter.drawText(centre + QPointF(-metrics.horizontalAdvance(text) / 2.0,
                                          metrics.ascent() - metrics.height() / 2.0),
                         text);
        const int inked = countNear(drawn, Qt::black, 127);
        painter.setCompositionMode(QPainter::CompositionMode_Difference);
        painter.drawImage(0, 0, cached);
        painter.end();
        const int differing = 300 * 300 - countNear(drawn, Qt::black, 128);
        EXPECT_GT(inked, 2000) << character;
        EXPECT_LT(differing, inked / 100) << character;
    }
}

// A circular corner of radius 20 meets the edge 20 points from the corner; this one still hugs
// the edge there and leaves it gradually further out. A thin bar shrinks the corners to fit.
TEST(ContinuousRoundedRectTest, BendsSmoothlyOutOfTheEdgesUnlikeACircularArc) {
    const QPainterPath path = continuousRoundedRect({100, 100}, 20);
    EXPECT_EQ(path.boundingRect(), QRectF(0, 0, 100, 100));
    EXPECT_TRUE(path.contains(QPointF(50, 50)));
    EXPECT_FALSE(path.contains(QPointF(2, 2)));
    EXPECT_TRUE(path.contains(QPointF(20, 0.6)));
    EXPECT_FALSE(path.contains(QPointF(20, 0.05)));
    EXPECT_TRUE(path.contains(QPointF(31, 0.01)));
    const QPainterPath bar = continuousRoundedRect({100, 4}, 2);
    EXPECT_EQ(bar.boundingRect(), QRectF(0, 0, 100, 4));
    EXPECT_TRUE(bar.contains(QPointF(1, 2)));
    EXPECT_FALSE(bar.contains(QPointF(0.3, 0.3)));
}

// The caller waits while an image is painted in Qt's pool; a picture, which only records, is
// painted on the calling thread.
TEST(PaintOnPoolThreadTest, ImagePaintingRunsInQtsPoolAndReturnsWhenDone) {
    QImage image(10, 10, QImage::Format_RGB32);
    QPainter imagePainter(&image);
    const QThread* paintingThread = nullptr;
    paintOnPoolThread(imagePainter, [&] {
        QThread::msleep(20);
        paintingThread = QThread::currentThread();
    });
    ASSERT_NE(paintingThread, nullptr) << "painted by the time it returns";
    EXPECT_TRUE(QThreadPool::globalInstance()->contains(paintingThread));
    QPicture picture;
    QPainter picturePainter(&picture);
    paintOnPoolThread(picturePainter, [&] { paintingThread = QThread::currentThread(); });
    EXPECT_EQ(paintingThread, QThread::currentThread());
}

} // namespace
} // namespace wigglepad
