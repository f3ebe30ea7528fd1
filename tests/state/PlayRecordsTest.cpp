#include "Bubble.h"
#include "Palette.h"
#include "PlayMode.h"
#include "ScriptedRandomSource.h"
#include "SystemRandomSource.h"
#include "Uuid.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <set>

namespace wigglepad {
namespace {

using Draw = ScriptedRandomSource::Draw;

TEST(PlayModeTest, ParsesOnlyTheExactRawValues) {
    EXPECT_EQ(kAllPlayModes[0], PlayMode::sensory);
    EXPECT_EQ(kAllPlayModes[1], PlayMode::lettersNumbers);
    for (const PlayMode mode : kAllPlayModes) {
        EXPECT_EQ(parsePlayMode(rawValue(mode)), mode);
    }
    EXPECT_EQ(rawValue(PlayMode::lettersNumbers).size(), 14U);
    for (const char* raw : {"Sensory", "lettersnumbers", "letters", "sensory ", ""}) {
        EXPECT_EQ(parsePlayMode(raw), std::nullopt) << raw;
    }
}

TEST(PaletteTest, HasSixOpaqueColoursAndCyclesTheTrailEveryHundredAndTwenty) {
    ASSERT_EQ(palette().size(), 6U);
    EXPECT_EQ(palette()[0], (Color{0.95, 0.76, 0.76, 1.0}));
    EXPECT_EQ(palette()[5], (Color{0.95, 0.85, 0.76, 1.0}));
    for (const Color& c : palette()) {
        EXPECT_EQ(c.opacity, 1.0);
    }
    const std::pair<std::int64_t, std::size_t> entries[] = {{0, 0},   {19, 0},  {20, 1}, {39, 1},
                                                            {100, 5}, {119, 5}, {120, 0}};
    for (const auto& [index, entry] : entries) {
        EXPECT_EQ(trailColor(index), palette()[entry]) << index;
    }
    const Color wrapped = trailColor(-21);
    EXPECT_NE(std::find(palette().begin(), palette().end(), wrapped), palette().end());
}

// Fractions in draw order: radius, edge, place along the edge, speed, angle, colour.
TEST(BubbleTest, EntersOneRadiusOutsideTheDrawnEdge) {
    const SurfaceSize surface{1440, 900};
    const Point expected[] = {{-28, 450}, {1468, 450}, {720, -28}, {720, 928}};
    for (int edge = 0; edge < 4; ++edge) {
        ScriptedRandomSource random({0.0, (edge + 0.5) / 4.0, 0.5, 1.0, 0.25, 0.99});
        const Bubble bubble = Bubble::enteringFromEdge(surface, random);
        EXPECT_EQ(bubble.position, expected[edge]);
        EXPECT_EQ(bubble.radius, 28.0);
        EXPECT_NEAR(bubble.velocity.x, 0.0, 1e-9);
        EXPECT_NEAR(bubble.velocity.y, 45.0, 1e-9);
        EXPECT_EQ(bubble.color, palette()[5]);
        ASSERT_EQ(random.draws().size(), 6U);
        EXPECT_EQ(random.draws()[1].kind, Draw::Kind::integer);
        EXPECT_EQ(random.draws()[5].high, 5.0);
    }
}

TEST(BubbleTest, OnASurfaceNarrowerThanTheBubbleEntersAtTheMiddleOfTheEdge) {
    ScriptedRandomSource random({1.0, 0.0, 0.9});
    const Bubble bubble = Bubble::enteringFromEdge({40, 30}, random);
    EXPECT_EQ(bubble.position, (Point{-55, 15}));
    EXPECT_EQ(random.draws()[2].low, 15.0);
    EXPECT_EQ(random.draws()[2].high, 15.0);
    EXPECT_EQ(random.draws().size(), 6U);
}

TEST(BubbleTest, RealDrawsStayInTheirRangesOnAnySurface) {
    SystemRandomSource random;
    for (const SurfaceSize surface : {SurfaceSize{1440, 900}, SurfaceSize{20, 0}}) {
        for (int i = 0; i < 500; ++i) {
            const Bubble b = Bubble::enteringFromEdge(surface, random);
            ASSERT_GE(b.radius, 28.0);
            ASSERT_LE(b.radius, 55.0);
            const double speed = b.velocity.length();
            ASSERT_GE(speed, 20.0 - 1e-9);
            ASSERT_LE(speed, 45.0 + 1e-9);
            const bool outsideSide =
                b.position.x == -b.radius || b.position.x == surface.width + b.radius;
            const double along = outsideSide ? b.position.y : b.position.x;
            const double extent = outsideSide ? surface.height : surface.width;
            ASSERT_GE(along, std::min(b.radius, extent * 0.5));
            ASSERT_LE(along, std::max(extent - b.radius, extent * 0.5));
        }
    }
}

TEST(UuidTest, IsARandomVersionFourIdentity) {
    std::set<std::string> seen;
    for (int i = 0; i < 100; ++i) {
        const Uuid id = Uuid::random();
        const std::string text = id.toString();
        ASSERT_EQ(text.size(), 36U);
        EXPECT_EQ(text[14], '4');
        EXPECT_EQ(id.bytes()[8] & 0xc0, 0x80);
        seen.insert(text);
    }
    EXPECT_EQ(seen.size(), 100U);
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
