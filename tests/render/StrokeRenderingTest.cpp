#include "DrawTrail.h"
#include "RenderFixture.h"

#include <QPainterPath>

namespace wigglepad {
namespace {

using StrokeRenderingTest = RenderFixture;

TEST_F(StrokeRenderingTest, ParticleMovesWithItsVelocityAndFadesWithItsAge) {
    state.bubbleParticles.unannounced() = {{{100, 100}, {100, 0}, palette()[3], 8, now() - 0.3},
                                           {{200, 200}, {0, 0}, palette()[3], 8, now() - 0.595}};
    // The second is gone at the end of its life.
    const Probe probes[] = {
        {130, 100, onBackground(3, 0.5)}, {100, 100, kBackground}, {200, 200, kBackground}};
    expectPixels(render(), probes);
}

using TrailTest = RenderFixture;

// The segment fades with the age of its middle point, here halfway through its 2 s.
TEST_F(TrailTest, ThreePointsDrawOneSegmentTenPointsWideAndFewerDrawNothing) {
    addTrailPoint(100, 1.14);
    addTrailPoint(200, 1.0);
    EXPECT_TRUE(isBlank(render()));
    addTrailPoint(300, 0.86);
    const QImage image = render();
    const QColor segment = blend(kBackground, trailSegmentColor(2, 3, now()), 0.85 * 0.5);
    // It starts at the first midpoint.
    const Probe probes[] = {{200, 145, segment}, {200, 154, segment}, {140, 150, kBackground}};
    expectPixels(image, probes);
    EXPECT_EQ(paintedInColumn(image, 200, 100, 200), 10);
}

TEST_F(TrailTest, PauseBreaksTheTwoSegmentsAroundIt) {
    addTrailPoint(20, 0.5);
    addTrailPoint(100, 0.4375); // a pause of just over 0.15 s follows this point
    addTrailPoint(180, 0.28125);
    addTrailPoint(260, 0.21875);
    addTrailPoint(340, 0.15625);
    const QImage image = render();
    EXPECT_EQ(paintedInColumn(image, 100, 100, 200), 0);
    EXPECT_EQ(paintedInColumn(image, 180, 100, 200), 0);
    EXPECT_GT(paintedInColumn(image, 260, 100, 200), 15) << "later segments stay";
}

TEST(TrailSegmentColorTest, HueScrollsWithTheTimeAndAlongTheTrail) {
    EXPECT_NEAR(trailSegmentColor(1, 4, kReferenceDate).hsvHueF(), 0.0, 0.01);
    EXPECT_NEAR(trailSegmentColor(2, 4, kReferenceDate).hsvHueF(), 0.375, 0.01);
    EXPECT_NEAR(trailSegmentColor(2, 4, kReferenceDate + 1.0).hsvHueF(), 0.675, 0.01);
    EXPECT_NEAR(trailSegmentColor(1, 4, kReferenceDate - 1.0).hsvHueF(), 0.3, 0.01)
        << "before the reference date the fraction keeps its sign, then loses it";
    EXPECT_NEAR(trailSegmentColor(1, 4, kReferenceDate).hsvSaturationF(), 0.35, 0.01);
    EXPECT_NEAR(trailSegmentColor(1, 4, kReferenceDate).valueF(), 0.92, 0.01);
}

// A 14-point ribbon with a white core of 0.3 × 14 points, new, halfway through its 4 s and at
// its end.
TEST_F(StrokeRenderingTest, RibbonHasALighterCoreAndFadesOverFourSeconds) {
    addRibbon({50, 50}, {350, 50}, 14);
    addRibbon({50, 150}, {350, 150}, 14, 2.0);
    addRibbon({50, 250}, {350, 250}, 14, 3.97);
    const QImage image = render();
    const QColor body = onBackground(1, 0.7);
    const QColor core = blend(body, Qt::white, 0.3);
    const QColor halfBody = onBackground(1, 0.7 * 0.5);
    // Across the new one, its round cap past the start, and across the half-faded one.
    const Probe probes[] = {
        {200, 43, body}, {200, 46, body},      {200, 48, core},
        {200, 51, core}, {200, 53, body},      {200, 56, body},
        {45, 50, body},  {200, 144, halfBody}, {200, 150, blend(halfBody, Qt::white, 0.3 * 0.5)}};
    expectPixels(image, probes);
    EXPECT_EQ(paintedInColumn(image, 200, 0, 100), 14);
    EXPECT_EQ(paintedInColumn(image, 200, 230, 270), 0) << "faded out";
}

TEST_F(StrokeRenderingTest, RibbonTooLargeToPreRenderIsStrokedAlike) {
    addRibbon({0, 0}, {1200, 1200}, 10);
    const QImage image = render({1200, 1200});
    const QColor body = onBackground(1, 0.7);
    const Probe probes[] = {
        {600, 600, blend(body, Qt::white, 0.3)}, {603, 597, body}, {610, 590, kBackground}};
    expectPixels(image, probes);
}

TEST_F(StrokeRenderingTest, DragPreviewShowsOnlyBeyondTenPointsAsADashedSCurve) {
    state.dragStart.set(Point{50, 150});
    state.dragCurrent.set(Point{60, 150});
    EXPECT_TRUE(isBlank(render()));
    state.dragCurrent.set(Point{61, 150});
    EXPECT_TRUE(looksLike(at(render(), 50, 150), onBackground(0, 0.4)));

    state.dragCurrent.set(Point{350, 150});
    const QImage image = render();
    // Walk the S-curve 3.5 points to one side of its centre line: inside a solid 8-point line
    // all the way, but between dashes the round caps leave gaps there.
    QPainterPath curve(QPointF(50, 150));
    curve.cubicTo(200, 240, 200, 60, 350, 150);
    int dashed = 0;
    int gaps = 0;
    for (int step = 0; step <= 1000; ++step) {
        const QLineF normal = QLineF::fromPolar(3.5, curve.angleAtPercent(step / 1000.0) + 90)
                                  .translated(curve.pointAtPercent(step / 1000.0));
        const QColor pixel = at(image, normal.x2(), normal.y2());
        dashed += looksLike(pixel, onBackground(0, 0.4)) ? 1 : 0;
        gaps += looksLike(pixel, kBackground) ? 1 : 0;
    }
    EXPECT_GT(dashed, 200);
    EXPECT_GT(gaps, 50);
}

} // namespace
} // namespace wigglepad
