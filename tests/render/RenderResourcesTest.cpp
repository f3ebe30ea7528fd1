#include "CharacterImageCache.h"
#include "LruCache.h"
#include "continuousRoundedRect.h"
#include "paintOnPoolThread.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QThread>
#include <QThreadPool>
#include <gtest/gtest.h>
#include <string>

namespace wigglepad {
namespace {

TEST(LruCacheTest, MakesOnceAndDropsTheLeastRecentlyUsedWhenFull) {
    LruCache<int, std::string> cache(2);
    int made = 0;
    const auto make = [&](int key) {
        return [&made, key] {
            ++made;
            return std::to_string(key);
        };
    };
    EXPECT_EQ(cache.get(1, make(1)), "1");
    EXPECT_EQ(cache.get(2, make(2)), "2");
    EXPECT_EQ(cache.get(1, make(1)), "1"); // 1 is now the most recent
    EXPECT_EQ(made, 2);
    cache.get(3, make(3)); // drops 2
    EXPECT_EQ(cache.size(), 2u);
    cache.get(1, make(1));
    EXPECT_EQ(made, 3);
    cache.get(2, make(2));
    EXPECT_EQ(made, 4);
}

TEST(ContinuousRoundedRectTest, FillsItsRectangleExceptTheCorners) {
    const QPainterPath path = continuousRoundedRect({100, 100}, 20);
    EXPECT_EQ(path.boundingRect(), QRectF(0, 0, 100, 100));
    EXPECT_TRUE(path.contains(QPointF(50, 50)));
    EXPECT_TRUE(path.contains(QPointF(50, 0.5)));
    EXPECT_TRUE(path.contains(QPointF(99.5, 50)));
    EXPECT_FALSE(path.contains(QPointF(2, 2)));
    EXPECT_FALSE(path.contains(QPointF(98, 98)));
}

TEST(ContinuousRoundedRectTest, BendsSmoothlyOutOfTheEdgesUnlikeACircularArc) {
    // A circular corner of radius 20 meets the edge 20 points from the corner; this one still
    // hugs the edge there and leaves it gradually further out.
    const QPainterPath path = continuousRoundedRect({100, 100}, 20);
    EXPECT_TRUE(path.contains(QPointF(20, 0.6)));
    EXPECT_FALSE(path.contains(QPointF(20, 0.05)));
    EXPECT_TRUE(path.contains(QPointF(31, 0.01)));
}

TEST(ContinuousRoundedRectTest, RadiusShrinksToFitAThinBar) {
    const QPainterPath bar = continuousRoundedRect({100, 4}, 2);
    EXPECT_EQ(bar.boundingRect(), QRectF(0, 0, 100, 4));
    EXPECT_TRUE(bar.contains(QPointF(1, 2)));
    EXPECT_TRUE(bar.contains(QPointF(50, 0.5)));
    EXPECT_FALSE(bar.contains(QPointF(0.3, 0.3)));
}

TEST(ContinuousRoundedRectTest, EmptySizeGivesAnEmptyPath) {
    EXPECT_TRUE(continuousRoundedRect({0, 4}, 2).isEmpty());
    EXPECT_EQ(continuousRoundedRect({10, 4}, 0).boundingRect(), QRectF(0, 0, 10, 4));
}

TEST(CharacterImageCacheTest, AsksForTheHeavyRoundedFace) {
    const QFont font = CharacterImageCache::characterFont(120);
    EXPECT_EQ(font.pixelSize(), 120);
    EXPECT_EQ(font.weight(), QFont::Black);
    if (!QFontDatabase::families().contains(QStringLiteral("Nunito"))) {
        GTEST_SKIP() << "the rounded face is not installed here";
    }
    EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("Nunito"));
    EXPECT_EQ(QFontInfo(font).weight(), QFont::Black);
}

TEST(CharacterImageCacheTest, RendersAtThePaintersPixelDensity) {
    CharacterImageCache cache;
    const QSize single = cache.rendered("E", 100, Qt::red, 1.0).image.size();
    const auto& dense = cache.rendered("E", 100, Qt::red, 2.0);
    EXPECT_NEAR(dense.image.width(), 2 * single.width(), 2);
    EXPECT_DOUBLE_EQ(dense.image.devicePixelRatio(), 2.0);
}

TEST(PaintOnPoolThreadTest, ImagePaintingRunsInQtsPoolAndReturnsWhenDone) {
    QImage image(10, 10, QImage::Format_RGB32);
    QPainter painter(&image);
    bool inPool = false;
    bool finished = false;
    paintOnPoolThread(painter, [&] {
        inPool = QThreadPool::globalInstance()->contains(QThread::currentThread());
        QThread::msleep(20);
        finished = true;
    });
    EXPECT_TRUE(inPool);
    EXPECT_TRUE(finished);
}

TEST(PaintOnPoolThreadTest, PaintingThatIsNotRasterisedInMemoryStaysOnTheCallingThread) {
    QPicture picture;
    QPainter painter(&picture);
    const QThread* paintingThread = nullptr;
    paintOnPoolThread(painter, [&] { paintingThread = QThread::currentThread(); });
    EXPECT_EQ(paintingThread, QThread::currentThread());
}

} // namespace
} // namespace wigglepad
