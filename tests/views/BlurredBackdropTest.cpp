#include "BlurredBackdrop.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace wigglepad {
namespace {

const QSizeF kSurface(1280, 800);

// Black left of x = 640, white from there on.
void paintEdge(QPainter& painter, QSizeF surface) {
    painter.fillRect(QRectF(0, 0, surface.width(), surface.height()), Qt::white);
    painter.fillRect(QRectF(0, 0, surface.width() / 2, surface.height()), Qt::black);
}

TEST(BlurredBackdropTest, SoftensASharpEdgeAndKeepsWhatLiesFarFromIt) {
    const QRect area(440, 300, 400, 200); // the edge runs down its middle, at x = 200
    QSizeF seenSurface;
    const QImage image = blurredBackdrop(
        [&](QPainter& painter, QSizeF surface) {
            seenSurface = surface;
            paintEdge(painter, surface);
        },
        kSurface, area);
    EXPECT_EQ(seenSurface, kSurface);
    ASSERT_EQ(image.size(), area.size());
    const auto grey = [&](int x) { return qGray(image.pixel(x, 100)); };
    EXPECT_LT(grey(5), 20) << "far left stays black";
    EXPECT_GT(grey(395), 235) << "far right stays white";
    EXPECT_NEAR(grey(200), 128, 40) << "the edge turns grey";
    for (int x = 170; x < 230; x += 10)
        EXPECT_LT(grey(x), grey(x + 10)) << "a smooth ramp at x = " << x;
}

TEST(BlurredBackdropTest, ReadsTheSurfaceBeyondTheAreaSoItsBordersBlendWithTheirSurroundings) {
    const QRect area(600, 300, 100, 100); // the edge lies 40 points beyond its left side
    const QImage image = blurredBackdrop(paintEdge, kSurface, area);
    EXPECT_LT(qGray(image.pixel(0, 50)), 250) << "the black nearby darkens the left border";
    EXPECT_EQ(qAlpha(image.pixel(0, 50)), 255) << "and nothing transparent seeps in";
}

} // namespace
} // namespace wigglepad
