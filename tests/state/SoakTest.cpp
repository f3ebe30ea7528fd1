// An hour of restless play at 60 frames a second on a hand-driven clock: random pointer walks
// and jumps, key presses in both modes, clicks, drags, the cursor hidden and shown, and the
// once-a-second pruning. After every frame the lists keep their caps, a shape's rest time is
// there exactly while it rests, and nothing wanders off the surface.
#include "AppState.h"
#include "FakeClock.h"
#include "FakeScreen.h"
#include "KeySpawn.h"
#include "MemorySettingsStore.h"
#include "SystemRandomSource.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <random>
#include <string_view>

namespace wigglepad {
namespace {

constexpr SurfaceSize kSurface{1920.0, 1080.0};
constexpr int kFramesPerSecond = 60;
constexpr int kFrames = kFramesPerSecond * 60 * 60;
constexpr double kLargestBubbleRadius = 55.0;
constexpr double kSlack = 1e-6;

// What keys type with Shift at most: Latin, accented, sharp s, digits of several scripts, a
// numeral worth ten thousand, an emoji, a control character and nothing at all.
constexpr std::array<std::string_view, 12> kTyped{"a", "Q",  "é",    "ß",    "5", "0",
                                                  "७", "万", "🙂", "\x1b", "",  "+"};

struct Child {
    double pick(double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(engine);
    }
    bool chance(double p) { return pick(0.0, 1.0) < p; }
    // Edges and corners come up often: a child's pointer lives there.
    Point anywhere() {
        return {pick(-5.0, kSurface.width + 5.0), pick(-5.0, kSurface.height + 5.0)};
    }
    Point near(Point p) {
        return {std::clamp(p.x + pick(-40.0, 40.0), 0.0, kSurface.width),
                std::clamp(p.y + pick(-40.0, 40.0), 0.0, kSurface.height)};
    }
    std::string_view typed() {
        return kTyped[std::uniform_int_distribution<std::size_t>(0, kTyped.size() - 1)(engine)];
    }

    std::mt19937_64 engine;
};

bool within(Point p, double margin) {
    return p.x >= -margin && p.x <= kSurface.width + margin && p.y >= -margin &&
           p.y <= kSurface.height + margin;
}

void expectSound(const AppState& state, int frame) {
    SCOPED_TRACE(testing::Message() << "frame " << frame);
    ASSERT_LE(state.shapes.get().size(), 40u);
    ASSERT_LE(state.ribbons.get().size(), 15u);
    ASSERT_LE(state.trail.get().size(), 300u);
    ASSERT_LE(state.bubbleParticles.get().size(), 100u);
    ASSERT_LE(state.bubbles.get().size(), 8u);
    for (const PlayShape& shape : state.shapes.get()) {
        ASSERT_EQ(shape.settled, shape.settledTime.has_value());
        ASSERT_TRUE(within(shape.position, kSlack - shape.size * 0.5)) << "wholly on the surface";
    }
    // Bubbles enter from one radius outside and turn back as soon as they are out.
    for (const Bubble& bubble : state.bubbles.get())
        ASSERT_TRUE(within(bubble.position, bubble.radius + 1.0));
    for (const BubbleParticle& particle : state.bubbleParticles.get())
        ASSERT_TRUE(within(particle.position, kLargestBubbleRadius + 1.0));
    for (const TrailPoint& point : state.trail.get())
        ASSERT_TRUE(within(point.position, 5.0));
}

// One frame's worth of input, as often as a busy child gives it.
void play(AppState& state, Child& child) {
    if (child.chance(0.02)) {
        state.cursorPosition.set(std::nullopt); // an adult screen came and went
    } else if (child.chance(0.9)) {
        const std::optional<Point> cursor = state.cursorPosition.get();
        const Point next = cursor && child.chance(0.97) ? child.near(*cursor) : child.anywhere();
        state.cursorPosition.set(next);
        state.addTrailPoint(next);
    }
    if (child.chance(0.15)) {
        const PlayMode mode = child.chance(0.5) ? PlayMode::sensory : PlayMode::lettersNumbers;
        KeySpawn::forKey(child.typed(), mode).applyTo(state);
    }
    if (child.chance(0.01))
        state.spawnShape(child.anywhere(), 0.0);
    if (!state.dragStart.get() && child.chance(0.005)) {
        state.dragStart.set(child.anywhere());
    } else if (state.dragStart.get() && child.chance(0.05)) {
        state.addRibbon(child.anywhere());
    }
}

TEST(Soak, AnHourOfRandomPlayKeepsEveryListSound) {
    for (const std::uint64_t seed : {1u, 2u}) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        FakeClock clock;
        const FakeScreen screen(kSurface);
        SystemRandomSource random(seed);
        const MemorySettingsStore settings;
        AppState state(clock, screen, random, settings);
        Child child{std::mt19937_64(seed)};
        std::size_t mostShapes = 0;
        for (int frame = 1; frame <= kFrames; ++frame) {
            play(state, child);
            clock.advance(1.0 / kFramesPerSecond);
            state.frameStep();
            if (frame % kFramesPerSecond == 0)
                state.pruneExpired();
            expectSound(state, frame);
            if (HasFatalFailure())
                return;
            mostShapes = std::max(mostShapes, state.shapes.get().size());
        }
        // The play was busy enough to reach the caps it checks.
        EXPECT_EQ(mostShapes, 40u);
    }
}

} // namespace
} // namespace wigglepad
