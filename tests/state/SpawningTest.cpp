#include "KeySpawn.h"
#include "Palette.h"
#include "PlayStateFixture.h"
#include "SystemRandomSource.h"

#include <set>

namespace wigglepad {
namespace {

using SpawningTest = PlayStateFixture;

TEST_F(SpawningTest, FigureDrawsPlaceJitterColourKindSizeAndTossInOrder) {
    for (double f : {0.0, 1.0, 0.0, 1.0, 0.5, 0.99, 0.5, 0.0, 1.0})
        random.push(f);
    state.spawnShape(std::nullopt, 30);
    const Ranges expected = {{60, 1380}, {60, 450}, {-30, 30}, {-30, 30}, {0, 5},
                             {0, 2},     {40, 160}, {0, 120},  {0, 80}};
    EXPECT_EQ(drawnRanges(random), expected);
    const PlayShape& s = state.shapes.get().at(0);
    EXPECT_EQ(s.position, (Point{30, 480}));
    EXPECT_EQ(s.color, palette()[3]);
    EXPECT_EQ(s.kind, 2);
    EXPECT_EQ(s.size, 100.0);
    EXPECT_EQ(s.velocity, (Point{-60, 0}));
    EXPECT_EQ(s.born, clock.now());
    EXPECT_FALSE(s.settled || s.settledTime || s.character);

    // A surface too small for the range of places shrinks it to its centre.
    screen.setSize(SurfaceSize{100, 100});
    random.clearLog();
    state.spawnShape(std::nullopt, 0);
    EXPECT_EQ(drawnRanges(random).at(0), (std::pair<double, double>{50, 50}));
    EXPECT_EQ(drawnRanges(random).at(1), (std::pair<double, double>{55, 55}));
}

TEST_F(SpawningTest, CharacterDrawsPlaceColourSizeAndTossInOrder) {
    state.spawnCharacter("A", std::nullopt);
    const Ranges expected = {{80, 1360}, {80, 450}, {0, 5}, {110, 190}, {0, 120}, {0, 80}};
    EXPECT_EQ(drawnRanges(random), expected);
    EXPECT_EQ(state.shapes.get().at(0).character, "A");
    EXPECT_EQ(state.shapes.get().at(0).kind, 0);
}

TEST_F(SpawningTest, FiguresAndCharactersShareTheCapOfFortyDroppingTheOldest) {
    for (int i = 0; i < 20; ++i) {
        state.spawnShape(Point{1, 1}, 0);
        state.spawnCharacter("Z", std::nullopt);
    }
    random.clearLog();
    announcements = 0;
    state.spawnShape(Point{321.5, 42.25}, 0);
    EXPECT_EQ(random.draws().size(), 5U); // colour, kind, size and the toss: no place, no jitter
    EXPECT_EQ(announcements, 2);          // the append, then the drop
    ASSERT_EQ(state.shapes.get().size(), 40U);
    EXPECT_EQ(state.shapes.get().front().character, "Z");
    EXPECT_EQ(state.shapes.get().back().position, (Point{321.5, 42.25}));
}

TEST_F(SpawningTest, RibbonBendsAcrossItsChordEndsTheDragAndKeepsTheNewestFifteen) {
    state.addRibbon({500, 500});
    EXPECT_EQ(announcements, 0) << "no drag, no change";
    state.dragStart.set(Point{100, 100});
    state.dragCurrent.set(Point{112, 116});
    announcements = 0;
    state.addRibbon({112, 116}); // exactly 20 points away: no ribbon, but the drag ends
    EXPECT_TRUE(state.ribbons.get().empty());
    EXPECT_FALSE(state.dragStart.get() || state.dragCurrent.get());
    EXPECT_EQ(announcements, 2);

    state.dragStart.set(Point{100, 100});
    state.dragCurrent.set(Point{200, 100});
    state.addRibbon({200, 100});
    ASSERT_EQ(state.ribbons.get().size(), 1U);
    const Ribbon& r = state.ribbons.get().front();
    EXPECT_EQ(r.control1, (Point{150, 130}));
    EXPECT_EQ(r.control2, (Point{150, 70}));
    EXPECT_EQ(drawnRanges(random).back(), (std::pair<double, double>{6, 14}));
    EXPECT_FALSE(state.dragStart.get() || state.dragCurrent.get());
    for (int i = 1; i < 16; ++i) {
        state.dragStart.set(Point{0, static_cast<double>(i)});
        state.addRibbon({100, static_cast<double>(i)});
    }
    ASSERT_EQ(state.ribbons.get().size(), 15U);
    EXPECT_EQ(state.ribbons.get().front().startPoint.y, 1.0);
}

TEST_F(SpawningTest, TrailSmoothsTowardsThePointerAndKeepsTheNewestThreeHundred) {
    EXPECT_EQ(state.currentTrailColor(), palette()[0]);
    state.addTrailPoint({100, 50});
    EXPECT_EQ(announcements, 1); // the append; the colour counter is private
    state.addTrailPoint({200, 50});
    EXPECT_EQ(state.trail.get()[0].position, (Point{100, 50}));
    EXPECT_EQ(state.trail.get()[1].position, (Point{140, 50}));
    for (int i = 2; i < 301; ++i)
        state.addTrailPoint({100, 50});
    ASSERT_EQ(state.trail.get().size(), 300U);
    EXPECT_EQ(state.trail.get().front().position, (Point{140, 50}));
    // The colour moves on every 20 points and comes round again after 120.
    const std::pair<std::size_t, std::size_t> entries[] = {{18, 0}, {19, 1}, {118, 5}, {119, 0}};
    for (const auto& [index, entry] : entries)
        EXPECT_EQ(state.trail.get()[index].color, palette()[entry]) << "colour index " << index + 1;
    EXPECT_EQ(state.currentTrailColor(), state.trail.get().back().color);
}

TEST(KeyRuleTest, TurnsTheFirstCharacterIntoFiguresOrACharacter) {
    // In sensory mode a digit asks for that many scattered figures, zero for ten, a numeral of
    // another script for its value but at most ten; any other key for one figure in place.
    const std::pair<const char*, int> numbers[] = {
        {"0", 10}, {"7", 7}, {"\u0663", 3}, {"\u0BF1", 10}}; // Arabic-Indic 3, Tamil 100
    for (const auto& [key, count] : numbers)
        EXPECT_EQ(KeySpawn::forKey(key, PlayMode::sensory), (KeySpawn{{}, count, 30.0})) << key;
    for (const char* key : {"1", "a", "\u00BD", "\xff"}) // ½ is no whole number; broken UTF-8
        EXPECT_EQ(KeySpawn::forKey(key, PlayMode::sensory), KeySpawn{}) << key;
    // With letters and numbers, a letter or number key shows its first perceived character fully
    // upper-cased, whatever the locale; any other key makes one figure.
    const std::pair<const char*, const char*> characters[] = {
        {"a", "A"},       {"5", "5"}, {"\u00E9", "\u00C9"}, {"e\u0301x", "E\u0301"},
        {"\u00DF", "SS"}, {"i", "I"}, {"\u00BD", "\u00BD"}};
    for (const auto& [key, shown] : characters)
        EXPECT_EQ(KeySpawn::forKey(key, PlayMode::lettersNumbers), (KeySpawn{shown, 1, 0.0}))
            << key;
    for (const char* key : {"+", " ", ""})
        EXPECT_EQ(KeySpawn::forKey(key, PlayMode::lettersNumbers), KeySpawn{}) << key;
}

TEST_F(SpawningTest, KeySpawnMakesEachFigureWithItsOwnJitterOrOneCharacter) {
    KeySpawn::forKey("3", PlayMode::sensory).applyTo(state);
    ASSERT_EQ(state.shapes.get().size(), 3U);
    EXPECT_EQ(random.draws().size(), 3U * 9U); // place, jitter and the rest, per figure
    KeySpawn::forKey("q", PlayMode::lettersNumbers).applyTo(state);
    EXPECT_EQ(state.shapes.get().back().character, "Q");
}

// Fractions in draw order: radius, edge, place along the edge, speed, angle, colour.
TEST(BubbleTest, EntersOneRadiusOutsideTheDrawnEdge) {
    const Point expected[] = {{-28, 450}, {1468, 450}, {720, -28}, {720, 928}};
    for (int edge = 0; edge < 4; ++edge) {
        SCOPED_TRACE(edge);
        ScriptedRandomSource random({0.0, (edge + 0.5) / 4.0, 0.5, 1.0, 0.25, 0.99});
        const Bubble bubble = Bubble::enteringFromEdge({1440, 900}, random);
        EXPECT_EQ(bubble.position, expected[edge]);
        EXPECT_EQ(bubble.radius, 28.0);
        EXPECT_NEAR(distance(bubble.velocity, {0, 45}), 0.0, 1e-9);
        EXPECT_EQ(bubble.color, palette()[5]);
    }
}

TEST(BubbleTest, OnASurfaceNarrowerThanTheBubbleEntersAtTheMiddleOfTheEdge) {
    ScriptedRandomSource random({1.0, 0.0, 0.9});
    const Bubble bubble = Bubble::enteringFromEdge({40, 30}, random);
    EXPECT_EQ(bubble.position, (Point{-55, 15}));
    EXPECT_EQ(drawnRanges(random).at(2), (std::pair<double, double>{15, 15}));
    EXPECT_EQ(random.draws().size(), 6U);
}

TEST(SystemRandomSourceTest, DrawsFromClosedRangesAndCopesWithDegenerateOnes) {
    SystemRandomSource random;
    EXPECT_EQ(random.uniformReal(3.0, 3.0), 3.0);
    EXPECT_EQ(random.uniformRealClamped(10.0, 0.0), 5.0);
    EXPECT_EQ(random.uniformInt(1), 0);
    std::set<std::int64_t> faces;
    for (int i = 0; i < 600; ++i) {
        const double x = random.uniformReal(-0.3, 0.3);
        ASSERT_TRUE(x >= -0.3 && x <= 0.3);
        faces.insert(random.uniformInt(6));
    }
    EXPECT_EQ(faces, (std::set<std::int64_t>{0, 1, 2, 3, 4, 5}));
}

} // namespace
} // namespace wigglepad
