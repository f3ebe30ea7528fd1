#include "DrawPlaySurface.h"

#include "RenderFixture.h"

namespace wigglepad {
namespace {

using DrawPlaySurfaceTest = RenderFixture;

// Bubbles lie under everything else, even a figure made before them.
TEST_F(DrawPlaySurfaceTest, BubbleShowsBodyHighlightAndRimUnderEverythingElse) {
    addShape({230, 150}, 20, 0, 2);
    state.bubbles.unannounced().push_back({{}, {200, 150}, {}, palette()[1], 50});
    const QImage image = render();
    const QColor body = onBackground(1, 0.5);
    const QColor highlight = blend(body, Qt::white, 0.3); // a disc of 20 centred at y = 132.5
    const Probe probes[] = {{200, 180, body}, {200, 124, highlight},   {200, 141, highlight},
                            {200, 144, body}, {200, 203, kBackground}, {230, 150, colour(2)}};
    expectPixels(image, probes);
    EXPECT_FALSE(looksLike(at(image, 250, 150), body)) << "the rim lies on the outline";
}

// Pre-rendered figures, characters, bubbles and ribbons look the same at either pixel density,
// and whether their caches are cold or warm.
TEST_F(DrawPlaySurfaceTest, DenseScreenGetsTheSameFrameInTwiceThePixels) {
    addShape({100.3, 100.6}, 80, 1, 3);
    addShape({300, 100}, 120, 0, 5).character = "H";
    state.bubbles.unannounced().push_back({{}, {100.2, 230.7}, {}, palette()[1], 40});
    addRibbon({200, 180}, {380, 280}, 12);
    const QImage single = render();
    EXPECT_EQ(render(), single);
    const QImage dense =
        render(kCanvas, 2.0).scaled(kCanvas, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (int y = 0; y < single.height(); ++y)
        for (int x = 0; x < single.width(); ++x)
            ASSERT_TRUE(near(single.pixelColor(x, y), dense.pixelColor(x, y), 24))
                << "only antialiased edges may differ, and only a little: " << x << ", " << y;
}

TEST_F(DrawPlaySurfaceTest, CursorShowsAWhiteRimmedStarOverAGlowInTheTrailColour) {
    addTrailPoint(10, 5.0, 2); // faded, but still sets the colour
    state.cursorPosition.set(Point{200, 150});
    const QImage image = render();
    const QColor glow = onBackground(2, 0.25);
    EXPECT_FALSE(looksLike(at(image, 200, 130), glow)) << "the upper tip, at radius 18";
    // (201, 140) and (205, 140) lie on either side of the notch at radius 8 after the upper tip;
    // (202, 137) on the edge between them, half over the star's fill and half over its glow,
    // both nearly hidden by the outline.
    const QColor edge = blend(blend(glow, colour(2), 0.5), Qt::white, 0.9);
    const Probe probes[] = {{200, 150, colour(2)},   {200, 144, colour(2)}, {200, 129, glow},
                            {201, 140, colour(2)},   {205, 140, glow},      {200, 172, glow},
                            {200, 178, kBackground}, {202, 137, edge}};
    expectPixels(image, probes);
}

// The menu bar at half progress fills 50 of its 100-point track; the exit bar's track ends 16
// points from the right edge.
TEST_F(DrawPlaySurfaceTest, HoldBarsFillTheirTracksInTheTopCorners) {
    state.menuHoldProgress.set(0.5);
    state.exitProgress.set(0.25);
    const QImage image = render({1440, 300});
    const QColor gray(128, 128, 128);
    const QColor track = blend(kBackground, gray, 0.25);
    const QColor bar = blend(track, gray, 0.5);
    const Probe probes[] = {
        {40, 18, bar},           {64, 18, bar},          {68, 18, track},
        {113, 18, track},        {120, 18, kBackground}, {1322, 18, kBackground},
        {1326, 18, bar},         {1360, 18, track},      {1421, 18, track},
        {1426, 18, kBackground}, {40, 14, kBackground},  {40, 21, kBackground}};
    expectPixels(image, probes);
}

} // namespace
} // namespace wigglepad
