#include "RenderFixture.h"
#include "drawCursorMarker.h"

namespace wigglepad {
namespace {

using CursorAndHoldBarsTest = RenderFixture;

// Offsets from the cursor, tips at radius 18 and notches at 8, from the upper tip clockwise.
TEST(StarVerticesTest, TenVerticesAlternateTipsAndNotchesFromTheUpperTip) {
    const double dx[] = {0, 4.702, 17.119, 7.608, 10.580, 0, -10.580, -7.608, -17.119, -4.702};
    const double dy[] = {-18, -6.472, -5.562, 2.472, 14.562, 8, 14.562, 2.472, -5.562, -6.472};
    const auto vertices = starVertices({100, 50});
    for (std::size_t k = 0; k < vertices.size(); ++k) {
        EXPECT_NEAR(vertices[k].x() - 100, dx[k], 0.001) << "vertex " << k;
        EXPECT_NEAR(vertices[k].y() - 50, dy[k], 0.001) << "vertex " << k;
    }
}

TEST_F(CursorAndHoldBarsTest, CursorShowsAWhiteRimmedStarOverAGlowInTheTrailColour) {
    addTrailPoint(10, 5.0, 2); // faded, but still sets the colour
    state.cursorPosition.set(Point{200, 150});
    const QImage image = render();
    const QColor glow = onBackground(2, 0.25);
    EXPECT_TRUE(looksLike(at(image, 200, 150), colour(2)));
    EXPECT_TRUE(looksLike(at(image, 200, 144), colour(2)));
    EXPECT_FALSE(looksLike(at(image, 200, 134), glow)) << "the upper tip";
    EXPECT_TRUE(looksLike(at(image, 208, 138), glow)) << "between two tips, 14 points out";
    EXPECT_TRUE(looksLike(at(image, 200, 172), glow));
    EXPECT_TRUE(looksLike(at(image, 200, 178), kBackground));
    // A pixel on the edge from the upper tip to the next notch, half over the star's fill and
    // half over its glow, both nearly hidden by the outline.
    const QColor under = blend(glow, colour(2), 0.5);
    EXPECT_TRUE(looksLike(at(image, 202, 137), blend(under, Qt::white, 0.9)));
}

// The menu bar at half progress fills 50 of its 100-point track; the exit bar's track ends 16
// points from the right edge.
TEST_F(CursorAndHoldBarsTest, HoldBarsFillTheirTracksInTheTopCorners) {
    state.menuHoldProgress.set(0.5);
    state.exitProgress.set(0.25);
    const QImage image = render({1440, 300});
    const QColor gray(128, 128, 128);
    const QColor track = blend(kBackground, gray, 0.25);
    const QColor bar = blend(track, gray, 0.5);
    const std::pair<double, QColor> alongTheBars[] = {
        {40, bar},           {64, bar},   {68, track},   {113, track},  {120, kBackground},
        {1322, kBackground}, {1326, bar}, {1360, track}, {1421, track}, {1426, kBackground}};
    for (const auto& [x, expected] : alongTheBars) {
        EXPECT_TRUE(looksLike(at(image, x, 18), expected)) << "at x = " << x;
    }
    EXPECT_TRUE(looksLike(at(image, 40, 14), kBackground));
    EXPECT_TRUE(looksLike(at(image, 40, 21), kBackground));
}

} // namespace
} // namespace wigglepad
