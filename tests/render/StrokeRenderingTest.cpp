#include "RenderFixture.h"
#include "drawTrail.h"

namespace wigglepad {
namespace {

using StrokeRenderingTest = RenderFixture;

TEST_F(StrokeRenderingTest, ParticleMovesWithItsVelocityAndFadesWithItsAge) {
    BubbleParticle particle{{100, 100}, {100, 0}, palette()[3], 8, now() - 0.3};
    state.bubbleParticles.modify([&](auto& particles) { particles.push_back(particle); });
    const QImage image = render();
    EXPECT_TRUE(looksLike(at(image, 130, 100), blend(kBackground, colour(3), 0.5)));
    EXPECT_TRUE(looksLike(at(image, 100, 100), kBackground));
}

TEST_F(StrokeRenderingTest, ParticleIsGoneAtTheEndOfItsLife) {
    BubbleParticle particle{{100, 100}, {0, 0}, palette()[3], 8, now() - 0.595};
    state.bubbleParticles.modify([&](auto& particles) { particles.push_back(particle); });
    EXPECT_TRUE(looksLike(at(render(), 100, 100), kBackground));
}

class TrailTest : public RenderFixture {
protected:
    void addTrailPoint(double x, double bornAgo) {
        TrailPoint point{{x, 150}, palette()[0], now() - bornAgo};
        state.trail.modify([&](auto& trail) { trail.push_back(point); });
    }
};

TEST_F(TrailTest, OneOrTwoPointsDrawNothing) {
    addTrailPoint(100, 0.02);
    addTrailPoint(200, 0.01);
    const QImage image = render();
    EXPECT_EQ(countPixels(image, image.rect(), kBackground), image.width() * image.height());
}

TEST_F(TrailTest, ThreePointsDrawOneSegmentTenPointsWide) {
    addTrailPoint(100, 0.02);
    addTrailPoint(200, 0.01);
    addTrailPoint(300, 0.0);
    const QImage image = render();
    const QColor segment = blend(kBackground, trailSegmentColor(2, 3, now()), 0.85 * (1 - 0.005));
    EXPECT_TRUE(looksLike(at(image, 200, 145), segment));
    EXPECT_TRUE(looksLike(at(image, 200, 154), segment));
    EXPECT_EQ(paintedInColumn(image, 200, 100, 200), 10);
    EXPECT_TRUE(looksLike(at(image, 140, 150), kBackground)) << "starts at the first midpoint";
}

TEST_F(TrailTest, PauseBreaksTheTwoSegmentsAroundIt) {
    addTrailPoint(20, 0.5);
    addTrailPoint(100, 0.4375); // a pause of 0.25 s follows this point
    addTrailPoint(180, 0.1875);
    addTrailPoint(260, 0.125);
    addTrailPoint(340, 0.0625);
    const QImage image = render();
    EXPECT_EQ(paintedInColumn(image, 100, 100, 200), 0);
    EXPECT_EQ(paintedInColumn(image, 180, 100, 200), 0);
    EXPECT_GT(paintedInColumn(image, 260, 100, 200), 15) << "later segments stay";
}

TEST_F(TrailTest, SegmentFadesWithItsMiddlePointsAge) {
    addTrailPoint(100, 1.99);
    addTrailPoint(200, 1.985);
    addTrailPoint(300, 1.98);
    EXPECT_EQ(paintedInColumn(render(), 200, 100, 200), 0);
}

TEST(TrailSegmentColorTest, HueScrollsWithTheTimeAndAlongTheTrail) {
    const TimeStamp reference = kReferenceDate;
    EXPECT_NEAR(trailSegmentColor(1, 4, reference).hsvHueF(), 0.0, 0.01);
    EXPECT_NEAR(trailSegmentColor(2, 4, reference).hsvHueF(), 0.375, 0.01);
    EXPECT_NEAR(trailSegmentColor(2, 4, reference + 1.0).hsvHueF(), 0.675, 0.01);
    EXPECT_NEAR(trailSegmentColor(1, 4, reference - 1.0).hsvHueF(), 0.3, 0.01)
        << "before the reference date the fraction keeps its sign, then loses it";
    EXPECT_NEAR(trailSegmentColor(1, 4, reference).hsvSaturationF(), 0.35, 0.01);
    EXPECT_NEAR(trailSegmentColor(1, 4, reference).valueF(), 0.92, 0.01);
}

class RibbonTest : public RenderFixture {
protected:
    void addStraightRibbon(double bornAgo) {
        Ribbon ribbon;
        ribbon.startPoint = {50, 150};
        ribbon.endPoint = {350, 150};
        ribbon.control1 = {150, 150};
        ribbon.control2 = {250, 150};
        ribbon.color = palette()[1];
        ribbon.width = 14;
        ribbon.born = now() - bornAgo;
        state.ribbons.modify([&](auto& ribbons) { ribbons.push_back(ribbon); });
    }
};

TEST_F(RibbonTest, BodyAndLighterCoreFadeTogether) {
    addStraightRibbon(2.0);
    const QImage image = render();
    const QColor body = blend(kBackground, colour(1), 0.7 * 0.5);
    EXPECT_TRUE(looksLike(at(image, 200, 154), body));
    EXPECT_TRUE(looksLike(at(image, 200, 150), blend(body, Qt::white, 0.3 * 0.5)));
    EXPECT_NEAR(paintedInColumn(image, 200, 100, 200), 14, 1);
    EXPECT_TRUE(looksLike(at(image, 45, 150), body)) << "round cap past the start";
}

TEST_F(RibbonTest, CoreIsThreeTenthsOfTheBodysWidth) {
    addStraightRibbon(0.0);
    const QImage image = render();
    const QColor body = blend(kBackground, colour(1), 0.7);
    const QColor core = blend(body, Qt::white, 0.3);
    EXPECT_TRUE(looksLike(at(image, 200, 143), body));
    EXPECT_TRUE(looksLike(at(image, 200, 148), core));
    EXPECT_TRUE(looksLike(at(image, 200, 151), core));
    EXPECT_TRUE(looksLike(at(image, 200, 153), body));
    EXPECT_TRUE(looksLike(at(image, 200, 156), body));
}

TEST_F(RibbonTest, VeryLongRibbonIsStrokedAlike) {
    Ribbon ribbon;
    ribbon.startPoint = {0, 0};
    ribbon.endPoint = {1200, 1200};
    ribbon.control1 = {600, 600};
    ribbon.control2 = {600, 600};
    ribbon.color = palette()[1];
    ribbon.width = 10;
    ribbon.born = now();
    state.ribbons.modify([&](auto& ribbons) { ribbons.push_back(ribbon); });
    const QImage image = render({1200, 1200});
    const QColor body = blend(kBackground, colour(1), 0.7);
    EXPECT_TRUE(looksLike(at(image, 600, 600), blend(body, Qt::white, 0.3)));
    EXPECT_TRUE(looksLike(at(image, 603, 597), body));
    EXPECT_TRUE(looksLike(at(image, 610, 590), kBackground));
}

TEST_F(RibbonTest, FadedRibbonIsNotDrawn) {
    addStraightRibbon(3.97);
    EXPECT_EQ(paintedInColumn(render(), 200, 100, 200), 0);
}

TEST_F(StrokeRenderingTest, DragPreviewShowsOnlyBeyondTenPoints) {
    state.dragStart.set(Point{100, 150});
    state.dragCurrent.set(Point{110, 150});
    QImage image = render();
    EXPECT_EQ(countPixels(image, image.rect(), kBackground), image.width() * image.height());
    state.dragCurrent.set(Point{111, 150});
    image = render();
    EXPECT_TRUE(looksLike(at(image, 100, 150), blend(kBackground, colour(0), 0.4)));
}

TEST_F(StrokeRenderingTest, DragPreviewIsDashed) {
    const Point start{50, 150};
    const Point end{350, 150};
    state.dragStart.set(start);
    state.dragCurrent.set(end);
    const QImage image = render();
    // Walk the S-curve 3.5 points to one side of its centre line: inside a solid 8-point line
    // all the way, but between dashes the round caps leave gaps there.
    const Point d = end - start;
    const Point m = midpoint(start, end);
    const Point c1{m.x - 0.3 * d.y, m.y + 0.3 * d.x};
    const Point c2{m.x + 0.3 * d.y, m.y - 0.3 * d.x};
    int dashed = 0;
    int gaps = 0;
    for (int step = 0; step <= 1000; ++step) {
        const double t = step / 1000.0;
        const double u = 1 - t;
        const Point p =
            start * (u * u * u) + c1 * (3 * u * u * t) + c2 * (3 * u * t * t) + end * (t * t * t);
        const Point tangent =
            (c1 - start) * (3 * u * u) + (c2 - c1) * (6 * u * t) + (end - c2) * (3 * t * t);
        const Point side = Point{-tangent.y, tangent.x} / tangent.length() * 3.5;
        const QColor pixel = at(image, p.x + side.x, p.y + side.y);
        dashed += looksLike(pixel, blend(kBackground, colour(0), 0.4)) ? 1 : 0;
        gaps += looksLike(pixel, kBackground) ? 1 : 0;
    }
    EXPECT_GT(dashed, 200);
    EXPECT_GT(gaps, 50);
}

} // namespace
} // namespace wigglepad
