#include "RenderFixture.h"
#include "drawCursorMarker.h"

#include <array>
#include <cmath>
#include <numbers>

namespace wigglepad {
namespace {

using CursorAndHoldBarsTest = RenderFixture;

TEST(StarVerticesTest, TenVerticesAlternateTipsAndNotchesFromTheUpperTip) {
    const std::array<QPointF, 10> expected{{{0.000, -18.000},
                                            {4.702, -6.472},
                                            {17.119, -5.562},
                                            {7.608, 2.472},
                                            {10.580, 14.562},
                                            {0.000, 8.000},
                                            {-10.580, 14.562},
                                            {-7.608, 2.472},
                                            {-17.119, -5.562},
                                            {-4.702, -6.472}}};
    const auto vertices = starVertices({100, 50});
    for (std::size_t k = 0; k < expected.size(); ++k) {
        EXPECT_NEAR(vertices[k].x() - 100, expected[k].x(), 0.001) << "vertex " << k;
        EXPECT_NEAR(vertices[k].y() - 50, expected[k].y(), 0.001) << "vertex " << k;
    }
}

TEST_F(CursorAndHoldBarsTest, CursorShowsAStarOverAGlowInTheTrailColour) {
    TrailPoint point{{10, 10}, palette()[2], now() - 5.0}; // faded, but still sets the colour
    state.trail.modify([&](auto& trail) { trail.push_back(point); });
    state.cursorPosition.set(Point{200, 150});
    const QImage image = render();
    const QColor glow = blend(kBackground, colour(2), 0.25);
    EXPECT_TRUE(looksLike(at(image, 200, 150), colour(2)));
    EXPECT_TRUE(looksLike(at(image, 200, 144), colour(2)));
    EXPECT_FALSE(looksLike(at(image, 200, 134), glow)) << "the upper tip";
    const double notch = -0.3 * std::numbers::pi;
    EXPECT_TRUE(looksLike(at(image, 200 + 14 * std::cos(notch), 150 + 14 * std::sin(notch)), glow))
        << "between two tips";
    EXPECT_TRUE(looksLike(at(image, 200, 172), glow));
    EXPECT_TRUE(looksLike(at(image, 200, 178), kBackground));
}

TEST_F(CursorAndHoldBarsTest, StarHasAWhiteOutline) {
    state.cursorPosition.set(Point{200, 150});
    const QImage image = render();
    // A pixel on the edge from the upper tip to the next notch, half over the star's fill and
    // half over its glow, both nearly hidden by the outline.
    const QColor under = blend(blend(kBackground, colour(0), 0.25), colour(0), 0.5);
    EXPECT_TRUE(looksLike(at(image, 202, 137), blend(under, Qt::white, 0.9)));
}

TEST_F(CursorAndHoldBarsTest, MenuHoldBarIsHalfFullAtHalfProgress) {
    state.menuHoldProgress.set(0.5);
    const QImage image = render();
    const QColor gray(128, 128, 128);
    const QColor track = blend(kBackground, gray, 0.25);
    EXPECT_TRUE(looksLike(at(image, 40, 18), blend(track, gray, 0.5)));
    EXPECT_TRUE(looksLike(at(image, 64, 18), blend(track, gray, 0.5)));
    EXPECT_TRUE(looksLike(at(image, 68, 18), track));
    EXPECT_TRUE(looksLike(at(image, 113, 18), track));
    EXPECT_TRUE(looksLike(at(image, 40, 14), kBackground));
    EXPECT_TRUE(looksLike(at(image, 40, 21), kBackground));
    EXPECT_TRUE(looksLike(at(image, 120, 18), kBackground));
}

TEST_F(CursorAndHoldBarsTest, NoProgressDrawsNoBar) {
    state.menuHoldProgress.set(0.0);
    state.exitProgress.set(0.0);
    const QImage image = render();
    EXPECT_EQ(countPixels(image, image.rect(), kBackground), image.width() * image.height());
}

TEST_F(CursorAndHoldBarsTest, ExitHoldBarsTrackStartsAt1324OnA1440WideCanvas) {
    state.exitProgress.set(0.25);
    const QImage image = render({1440, 300});
    const QColor gray(128, 128, 128);
    const QColor track = blend(kBackground, gray, 0.25);
    EXPECT_TRUE(looksLike(at(image, 1322, 18), kBackground));
    EXPECT_TRUE(looksLike(at(image, 1326, 18), blend(track, gray, 0.5)));
    EXPECT_TRUE(looksLike(at(image, 1360, 18), track));
    EXPECT_TRUE(looksLike(at(image, 1421, 18), track));
    EXPECT_TRUE(looksLike(at(image, 1426, 18), kBackground));
}

} // namespace
} // namespace wigglepad
