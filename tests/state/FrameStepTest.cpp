#include "Motion.h"
#include "Palette.h"
#include "PlayStateFixture.h"

#include <tuple>

namespace wigglepad {
namespace {

using FrameStepTest = PlayStateFixture;

// Cancels one step of gravity, so a shape keeps its height for one frame.
constexpr double kHover = -120.0 * kStep;
constexpr TimeStamp kNow = 5.0;

PlayShape fallen(Point position, double size, Point velocity = {}) {
    PlayShape shape;
    shape.position = position;
    shape.size = size;
    shape.velocity = velocity;
    fall({&shape, 1}, kStep, kFallbackSurfaceSize, kNow);
    return shape;
}

// Walls, floor and ceiling bounce a shape back at half speed, the floor keeping 0.9 of its
// sideways speed; slower than 10 points/s within 2 points of the floor, it comes to rest.
TEST(MotionTest, FallBouncesAtHalfSpeedAndComesToRestJustAboveTheFloor) {
    const std::tuple<Point, double, Point, Point, Point> cases[] = {
        // from, size, velocity, to, velocity after (none: at rest)
        {{20, 300}, 100, {-40, kHover}, {50, 300}, {20, 0}},
        {{1430, 300}, 100, {64, kHover}, {1390, 300}, {-32, 0}},
        {{700, 859}, 80, {64, 128}, {701, 860}, {64 * 0.9, -(128 + 120 * kStep) * 0.5}},
        {{700, 30}, 80, {0, -64}, {700, 40}, {0, (64 - 120 * kStep) * 0.5}},
        {{700, 848.5}, 100, {9, kHover}, {700 + 9 * kStep, 848.5}, {}},
        {{700, 848.5}, 100, {10, kHover}, {700 + 10 * kStep, 848.5}, {10, 0}},
        {{700, 847.5}, 100, {9, kHover}, {700 + 9 * kStep, 847.5}, {9, 0}}};
    for (const auto& [from, size, velocity, to, after] : cases) {
        SCOPED_TRACE(::testing::Message() << "from " << from.x << ", " << from.y);
        const PlayShape shape = fallen(from, size, velocity);
        EXPECT_EQ(shape.position, to);
        EXPECT_EQ(shape.velocity, after);
        EXPECT_EQ(shape.settled, after == Point{});
        EXPECT_EQ(shape.settledTime, shape.settled ? std::optional(kNow) : std::nullopt);
    }
}

// A cursor moving at exactly the fling speed adds nothing of its own motion; a shape left at
// rest does not fall.
TEST(MotionTest, CursorPushesAndWakesARestingShapeButNotFromItsCentre) {
    std::vector<PlayShape> shapes{fallen({500, 880}, 40), fallen({490.05, 880}, 40)}; // at rest
    pushAway(shapes, {490, 880}, {20, 0}, kStep);
    EXPECT_EQ(shapes[0].velocity, (Point{(1 - 10.0 / 60.0) * 600 * kStep, 0}));
    EXPECT_FALSE(shapes[0].settled || shapes[0].settledTime);
    fall(shapes, kStep, kFallbackSurfaceSize, kNow + kStep);
    EXPECT_TRUE(shapes[1].settled && shapes[1].velocity == Point{});
    EXPECT_EQ(shapes[1].settledTime, kNow) << "a shape at rest does not fall";
}

TEST_F(FrameStepTest, PausesAndBackwardClocksOnlyMoveLastTick) {
    addShape({500, 300}, 80, {10, 10});
    for (double dt : {0.0, -0.25, 0.5}) {
        step(dt);
        EXPECT_EQ(announcements, 0) << dt;
        EXPECT_EQ(shape(0).position, (Point{500, 300})) << dt;
    }
    step();
    EXPECT_EQ(shape(0).velocity.y, 10.0 + 120.0 * kStep);
    EXPECT_EQ(announcements, 2); // the particle pass and the closing one: no cursor, no bubble
}

TEST_F(FrameStepTest, FastCursorFlingsShapesInReachAndKeepsItsVelocityWhenGone) {
    addShape({500, 300}, 40, {0, kHover});
    state.cursorPosition.set(Point{400, 300});
    step();
    state.cursorPosition.set(Point{480, 300});
    step();
    EXPECT_EQ(state.cursorVelocity(), (Point{80 / kStep, 0}));
    EXPECT_NEAR(shape(0).velocity.x, (1 - 20.0 / 60.0) * 600 * kStep + 0.06 * 80 / kStep, 1e-3);
    EXPECT_EQ(announcements, 3); // bubbles, particles, closing: a cursor touches the bubbles
    state.cursorPosition.set(std::nullopt);
    step();
    EXPECT_EQ(state.cursorVelocity(), (Point{80 / kStep, 0}));
    EXPECT_EQ(state.prevCursorPos(), std::nullopt);
}

TEST_F(FrameStepTest, CursorPopsTouchedBubblesInListOrderIntoEvenlySpreadBursts) {
    addBubble({557.9, 400}, 40, palette()[1]); // radius + 17.9 from the cursor
    addBubble({558, 400}, 40);                 // radius + 18
    addBubble({500, 350}, 40, palette()[2]);
    addBubble({442, 400}, 40);
    state.cursorPosition.set(Point{500, 400});
    random.push(0.0); // 8 particles in the first burst; the rest of the script is midpoints
    step();
    ASSERT_EQ(state.bubbles.get().size(), 2U);
    EXPECT_EQ(state.bubbles.get()[0].position.x, 558.0);
    EXPECT_EQ(state.bubbles.get()[1].position.x, 442.0);
    const auto& particles = state.bubbleParticles.get();
    ASSERT_EQ(particles.size(), 8U + 10U);
    EXPECT_EQ(particles[0].position, (Point{557.9, 400}));
    EXPECT_EQ(particles[0].color, palette()[1]);
    EXPECT_EQ(particles[8].color, palette()[2]);
    // A quarter turn, no jitter, speed 105.
    EXPECT_NEAR(distance(particles[2].velocity, {0, 105}), 0.0, 1e-9);
    // Burst size, then jitter, speed and size for each particle.
    Ranges draws = drawnRanges(random);
    draws.resize(4);
    EXPECT_EQ(draws, (Ranges{{0, 4}, {-0.3, 0.3}, {60, 150}, {4, 8}}));
    EXPECT_EQ(announcements, 1 + 18 + 1 + 1);
}

// Bubbles never lose speed and are not clamped: one outside turns back in.
TEST_F(FrameStepTest, BubblesDriftTurnBackInsideAndEnterWhileFewerThanEight) {
    addBubble({-40, 300}, 40);
    state.bubbles.unannounced()[0].velocity = {-64, 64};
    for (int i = 1; i < 7; ++i)
        addBubble({700, 450}, 30);
    random.push(0.0);
    step();
    EXPECT_EQ(state.bubbles.get()[0].position, (Point{-41, 301}));
    EXPECT_EQ(state.bubbles.get()[0].velocity, (Point{64, 64}));
    ASSERT_EQ(state.bubbles.get().size(), 8U);
    EXPECT_EQ(random.draws().front().high, 1.0);
    random.clearLog();
    random.push(0.0);
    step();
    EXPECT_TRUE(random.draws().empty());
}

TEST_F(FrameStepTest, ParticlesExpireAfterTheirLifeAndBeyondTheCapOfAHundred) {
    clock.advance(-kStep);
    state.frameStep();
    auto& particles = state.bubbleParticles.unannounced();
    particles.push_back({{}, {}, {}, 1.0, 1.0 - 0.61});
    particles.push_back({{}, {}, {}, 2.0, 1.0 - 0.6});
    particles.insert(particles.end(), 100, {{}, {}, {}, 3.0, 1.0});
    step();
    ASSERT_EQ(state.bubbleParticles.get().size(), 100U);
    EXPECT_EQ(state.bubbleParticles.get().front().size, 3.0);
    EXPECT_EQ(announcements, 3);
}

TEST_F(FrameStepTest, PruningRemovesWhatHasOutlivedItsTimeKeepingTheOrder) {
    const TimeStamp now = clock.now();
    state.trail.unannounced() = {{{1, 0}, {}, now - 2.5}, {{2, 0}, {}, now - 2.0}};
    for (const double settledAgo : {2.5, 3.5}) {
        PlayShape& settled = addShape({}, 40);
        settled.born = now - 30;
        settled.settledTime = now - settledAgo;
    }
    addShape({}, 40).born = now - 30; // woken again: its life counts from birth
    addShape({}, 40).born = now - 17;
    for (const double bornAgo : {4.1, 3.9})
        state.ribbons.unannounced().emplace_back().born = now - bornAgo;
    announcements = 0;
    state.pruneExpired();
    EXPECT_EQ(announcements, 3);
    ASSERT_EQ(state.trail.get().size(), 1U);
    EXPECT_EQ(state.trail.get()[0].position.x, 2.0);
    ASSERT_EQ(state.shapes.get().size(), 2U);
    EXPECT_EQ(state.shapes.get()[0].settledTime, now - 2.5);
    EXPECT_EQ(state.shapes.get()[1].born, now - 17);
    ASSERT_EQ(state.ribbons.get().size(), 1U);
    EXPECT_EQ(state.ribbons.get()[0].born, now - 3.9);
}

} // namespace
} // namespace wigglepad
