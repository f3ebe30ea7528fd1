#include "DrawCursorMarker.h"
#include "RenderFixture.h"

namespace wigglepad {
namespace {

using CursorAndHoldBarsTest = RenderFixture;

TEST_F(CursorAndHoldBarsTest, CursorShowsAWhiteRimmedStarOverAGlowInTheTrailColour) {
    addTrailPoint(10, 5.0, 2); // faded, but still sets the colour
    state.cursorPosition.set(Point{200, 150});
    const QImage image = render();
    const QColor glow = onBackground(2, 0.25);
    EXPECT_TRUE(looksLike(at(image, 200, 150), colour(2)));
    EXPECT_TRUE(looksLike(at(image, 200, 144), colour(2)));
    EXPECT_FALSE(looksLike(at(image, 200, 130), glow)) << "the upper tip, at radius 18";
    EXPECT_TRUE(looksLike(at(image, 200, 129), glow));
    // On either side of the notch at radius 8 between the upper tip and the next.
    EXPECT_TRUE(looksLike(at(image, 201, 140), colour(2)));
    EXPECT_TRUE(looksLike(at(image, 205, 140), glow));
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
