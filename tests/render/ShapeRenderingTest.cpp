#include "RenderFixture.h"

namespace wigglepad {
namespace {

using ShapeRenderingTest = RenderFixture;

constexpr double kSize = 100;
constexpr Point kCentre{200, 150};

TEST_F(ShapeRenderingTest, CircleCoversItsCentreAndLeavesItsSquaresCornersEmpty) {
    addShape(kCentre, kSize, 0, 1);
    const QImage image = render();
    EXPECT_TRUE(looksLike(at(image, 200, 150), colour(1)));
    EXPECT_TRUE(looksLike(at(image, 200, 102), colour(1)));
    EXPECT_TRUE(looksLike(at(image, 153, 103), kBackground));
    EXPECT_TRUE(looksLike(at(image, 246, 196), kBackground));
}

TEST_F(ShapeRenderingTest, RoundedSquareFillsToItsEdgesButNotItsCorners) {
    addShape(kCentre, kSize, 1, 3);
    const QImage image = render();
    EXPECT_TRUE(looksLike(at(image, 200, 150), colour(3)));
    EXPECT_TRUE(looksLike(at(image, 200, 101), colour(3)));
    EXPECT_TRUE(looksLike(at(image, 151, 150), colour(3)));
    EXPECT_TRUE(looksLike(at(image, 158, 108), colour(3))) << "fuller than a circle";
    EXPECT_TRUE(looksLike(at(image, 151, 101), kBackground));
    EXPECT_TRUE(looksLike(at(image, 248, 198), kBackground));
}

TEST_F(ShapeRenderingTest, TriangleStandsOnItsBaseWithTheApexUp) {
    addShape(kCentre, kSize, 2, 4);
    const QImage image = render();
    EXPECT_TRUE(looksLike(at(image, 200, 150), colour(4)));
    EXPECT_TRUE(looksLike(at(image, 200, 104), colour(4)));
    EXPECT_TRUE(looksLike(at(image, 153, 197), colour(4)));
    EXPECT_TRUE(looksLike(at(image, 153, 103), kBackground));
    EXPECT_TRUE(looksLike(at(image, 246, 103), kBackground));
}

TEST_F(ShapeRenderingTest, UnknownKindDrawsTheTriangle) {
    addShape(kCentre, kSize, 7, 4);
    const QImage image = render();
    EXPECT_TRUE(looksLike(at(image, 153, 197), colour(4)));
    EXPECT_TRUE(looksLike(at(image, 153, 103), kBackground));
}

TEST_F(ShapeRenderingTest, CharacterIsDrawnCentredInsteadOfItsFigure) {
    addShape(kCentre, 160, 1, 5).character = "H";
    const QImage image = render();
    const QRect square(120, 70, 160, 160);
    double sumX = 0;
    double sumY = 0;
    int inked = 0;
    for (int y = square.top(); y <= square.bottom(); ++y) {
        for (int x = square.left(); x <= square.right(); ++x) {
            if (looksLike(image.pixelColor(x, y), colour(5))) {
                sumX += x + 0.5;
                sumY += y + 0.5;
                ++inked;
            }
        }
    }
    ASSERT_GT(inked, 160 * 160 / 10) << "the glyph is drawn large";
    EXPECT_NEAR(sumX / inked, 200, 8);
    EXPECT_NEAR(sumY / inked, 150, 16);
    EXPECT_EQ(countPixels(image, QRect(122, 72, 10, 10), colour(5)), 0) << "no rounded square";
    EXPECT_EQ(countPixels(image, image.rect(), colour(5)), inked) << "nothing outside its square";
}

TEST_F(ShapeRenderingTest, CharactersOfOneSizeKeepTheirOwnColours) {
    addShape({100, 150}, 120, 0, 0).character = "M";
    addShape({300, 150}, 120, 0, 3).character = "M";
    const QImage image = render();
    EXPECT_GT(countPixels(image, QRect(40, 90, 120, 120), colour(0)), 1000);
    EXPECT_GT(countPixels(image, QRect(240, 90, 120, 120), colour(3)), 1000);
}

TEST_F(ShapeRenderingTest, UnsettledShapeFadesFromFifteenSecondsToEighteen) {
    addShape(kCentre, kSize, 0, 2).born = now() - 15.0;
    EXPECT_TRUE(looksLike(at(render(), 200, 150), colour(2)));
    clock.advance(1.5);
    EXPECT_TRUE(looksLike(at(render(), 200, 150), blend(kBackground, colour(2), 0.5)));
    clock.advance(1.47);
    EXPECT_TRUE(looksLike(at(render(), 200, 150), kBackground));
}

TEST_F(ShapeRenderingTest, SettledShapeFadesOverThreeSecondsFromSettling) {
    PlayShape& shape = addShape(kCentre, kSize, 1, 0);
    shape.settled = true;
    shape.settledTime = now() - 1.5;
    EXPECT_TRUE(looksLike(at(render(), 200, 150), blend(kBackground, colour(0), 0.5)));
    clock.advance(1.47);
    EXPECT_TRUE(looksLike(at(render(), 200, 150), kBackground)) << "hidden from 2.97 s";
}

TEST_F(ShapeRenderingTest, ShapeStampedAfterTheFrameIsDrawnFullyOpaque) {
    PlayShape& shape = addShape(kCentre, kSize, 0, 1);
    shape.settled = true;
    shape.settledTime = now() + 0.05;
    EXPECT_TRUE(looksLike(at(render(), 200, 150), colour(1)));
}

} // namespace
} // namespace wigglepad
