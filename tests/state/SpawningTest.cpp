#include "Palette.h"
#include "PlayStateFixture.h"

namespace wigglepad {
namespace {

using Draw = ScriptedRandomSource::Draw;
using SpawningTest = PlayStateFixture;

std::vector<std::pair<double, double>> ranges(const ScriptedRandomSource& random) {
    std::vector<std::pair<double, double>> result;
    for (const Draw& d : random.draws()) {
        result.emplace_back(d.low, d.high);
    }
    return result;
}

TEST_F(SpawningTest, FigureDrawsPlaceJitterColourKindSizeAndTossInOrder) {
    for (double f : {0.0, 1.0, 0.0, 1.0, 0.5, 0.99, 0.5, 0.0, 1.0}) {
        random.push(f);
    }
    state.spawnShape(std::nullopt, 30);
    const std::vector<std::pair<double, double>> expected = {
        {60, 1380}, {60, 450}, {-30, 30}, {-30, 30}, {0, 5}, {0, 2}, {40, 160}, {0, 120}, {0, 80}};
    EXPECT_EQ(ranges(random), expected);
    const PlayShape& s = state.shapes.get().at(0);
    EXPECT_EQ(s.position, (Point{30, 480}));
    EXPECT_EQ(s.color, palette()[3]);
    EXPECT_EQ(s.kind, 2);
    EXPECT_EQ(s.size, 100.0);
    EXPECT_EQ(s.velocity, (Point{-60, 0}));
    EXPECT_EQ(s.born, clock.now());
    EXPECT_FALSE(s.settled);
    EXPECT_FALSE(s.settledTime || s.character);
}

TEST_F(SpawningTest, FigureAtAPointWithoutJitterLandsExactlyThere) {
    state.spawnShape(Point{321.5, 42.25}, 0);
    EXPECT_EQ(state.shapes.get().at(0).position, (Point{321.5, 42.25}));
    EXPECT_EQ(random.draws().size(), 5U); // colour, kind, size and the toss only
}

TEST_F(SpawningTest, CharacterDrawsPlaceColourSizeAndTossInOrder) {
    state.spawnCharacter("A", std::nullopt);
    const std::vector<std::pair<double, double>> expected = {{80, 1360}, {80, 450}, {0, 5},
                                                             {110, 190}, {0, 120},  {0, 80}};
    EXPECT_EQ(ranges(random), expected);
    const PlayShape& s = state.shapes.get().at(0);
    EXPECT_EQ(s.character, "A");
    EXPECT_EQ(s.kind, 0);
}

TEST_F(SpawningTest, TinySurfaceShrinksEmptyRangesToTheirCentre) {
    screen.setSize(SurfaceSize{100, 100});
    state.spawnShape(std::nullopt, 0);
    state.spawnCharacter("B", std::nullopt);
    const auto r = ranges(random);
    ASSERT_EQ(r.size(), 13U);
    EXPECT_EQ(r[0], (std::pair<double, double>{50, 50}));
    EXPECT_EQ(r[1], (std::pair<double, double>{55, 55}));
    EXPECT_EQ(r[7], (std::pair<double, double>{50, 50}));
    EXPECT_EQ(r[8], (std::pair<double, double>{65, 65}));
}

TEST_F(SpawningTest, FiguresAndCharactersShareTheCapOfFortyDroppingTheOldest) {
    for (int i = 0; i < 20; ++i) {
        state.spawnShape(Point{1, 1}, 0);
        state.spawnCharacter("Z", std::nullopt);
    }
    const Uuid oldest = state.shapes.get().front().id;
    announcements = 0;
    state.spawnShape(Point{2, 2}, 0);
    EXPECT_EQ(announcements, 2); // the append, then the drop
    ASSERT_EQ(state.shapes.get().size(), 40U);
    EXPECT_NE(state.shapes.get().front().id, oldest);
    EXPECT_EQ(state.shapes.get().front().character, "Z");
    EXPECT_EQ(state.shapes.get().back().position, (Point{2, 2}));
}

TEST_F(SpawningTest, RibbonBendsAcrossItsChordAndEndsTheDrag) {
    state.dragStart.set(Point{100, 100});
    state.dragCurrent.set(Point{200, 100});
    state.addRibbon({200, 100});
    ASSERT_EQ(state.ribbons.get().size(), 1U);
    const Ribbon& r = state.ribbons.get().front();
    EXPECT_EQ(r.control1, (Point{150, 130}));
    EXPECT_EQ(r.control2, (Point{150, 70}));
    EXPECT_EQ(r.width, 10.0);
    EXPECT_EQ(ranges(random).back(), (std::pair<double, double>{6, 14}));
    EXPECT_FALSE(state.dragStart.get() || state.dragCurrent.get());
}

TEST_F(SpawningTest, ShortOrStartlessDragsMakeNoRibbon) {
    state.addRibbon({500, 500});
    EXPECT_EQ(announcements, 0);
    state.dragStart.set(Point{100, 100});
    state.dragCurrent.set(Point{112, 116});
    announcements = 0;
    state.addRibbon({112, 116}); // exactly 20 points away
    EXPECT_TRUE(state.ribbons.get().empty());
    EXPECT_FALSE(state.dragStart.get() || state.dragCurrent.get());
    EXPECT_EQ(announcements, 2);
}

TEST_F(SpawningTest, SixteenthRibbonDropsTheOldest) {
    for (int i = 0; i < 16; ++i) {
        state.dragStart.set(Point{0, static_cast<double>(i)});
        state.addRibbon({100, static_cast<double>(i)});
    }
    ASSERT_EQ(state.ribbons.get().size(), 15U);
    EXPECT_EQ(state.ribbons.get().front().startPoint.y, 1.0);
}

TEST_F(SpawningTest, TrailSmoothsTowardsThePointerAndKeepsTheNewestThreeHundred) {
    state.addTrailPoint({100, 50});
    state.addTrailPoint({200, 50});
    EXPECT_EQ(state.trail.get()[0].position, (Point{100, 50}));
    EXPECT_EQ(state.trail.get()[1].position, (Point{140, 50}));
    for (int i = 2; i < 301; ++i) {
        state.addTrailPoint({100, 50});
    }
    ASSERT_EQ(state.trail.get().size(), 300U);
    EXPECT_EQ(state.trail.get().front().position, (Point{140, 50}));
    EXPECT_EQ(state.trail.get()[18].color, palette()[0]); // the 20th point made
    EXPECT_EQ(state.trail.get()[19].color, palette()[1]); // the 21st
    EXPECT_EQ(state.colorIndex(), 301);
}

} // namespace
} // namespace wigglepad
