#include "KeySpawn.h"

#include "PlayStateFixture.h"

namespace wigglepad {
namespace {

struct KeyCase {
    const char* characters;
    PlayMode mode;
    KeySpawn expected;
};

void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << '"' << c.characters << "\" in " << rawValue(c.mode);
}

KeySpawn figures(int count, double jitter) {
    return {std::nullopt, count, jitter};
}
KeySpawn character(const char* text) {
    return {std::string(text), 1, 0.0};
}

class KeyRule : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyRule, TurnsTheFirstCharacterIntoFiguresOrACharacter) {
    const KeyCase& c = GetParam();
    EXPECT_EQ(KeySpawn::forKey(c.characters, c.mode), c.expected);
}

constexpr PlayMode kSensory = PlayMode::sensory;
constexpr PlayMode kLetters = PlayMode::lettersNumbers;

INSTANTIATE_TEST_SUITE_P(
    Sensory, KeyRule,
    ::testing::Values(KeyCase{"0", kSensory, figures(10, 30)},
                      KeyCase{"1", kSensory, figures(1, 0)}, KeyCase{"7", kSensory, figures(7, 30)},
                      KeyCase{"a", kSensory, figures(1, 0)}, KeyCase{"", kSensory, figures(1, 0)},
                      KeyCase{"\u0663", kSensory, figures(3, 30)},  // Arabic-Indic three
                      KeyCase{"\u0BF1", kSensory, figures(10, 30)}, // Tamil hundred: bounded
                      KeyCase{"\u4E07", kSensory, figures(10, 30)}, // ten thousand: bounded
                      KeyCase{"\u00BD", kSensory, figures(1, 0)},   // one half is no whole number
                      KeyCase{"\xff", kSensory, figures(1, 0)}));   // broken UTF-8

INSTANTIATE_TEST_SUITE_P(
    LettersNumbers, KeyRule,
    ::testing::Values(KeyCase{"a", kLetters, character("A")},
                      KeyCase{"5", kLetters, character("5")},
                      KeyCase{"\u00E9", kLetters, character("\u00C9")},
                      KeyCase{"e\u0301x", kLetters, character("E\u0301")}, // one perceived char
                      KeyCase{"\u00DF", kLetters, character("SS")},
                      KeyCase{"i", kLetters, character("I")}, // no locale-specific dotted I
                      KeyCase{"\u00BD", kLetters, character("\u00BD")},
                      KeyCase{"+", kLetters, figures(1, 0)}, KeyCase{" ", kLetters, figures(1, 0)},
                      KeyCase{"", kLetters, figures(1, 0)}));

using KeySpawnApplyTest = PlayStateFixture;

TEST_F(KeySpawnApplyTest, SpawnsEachFigureWithItsOwnJitterOrOneCharacter) {
    KeySpawn::forKey("3", PlayMode::sensory).applyTo(state);
    ASSERT_EQ(state.shapes.get().size(), 3U);
    EXPECT_EQ(random.draws().size(), 3U * 9U); // place, jitter and the rest, per figure
    KeySpawn::forKey("q", PlayMode::lettersNumbers).applyTo(state);
    EXPECT_EQ(state.shapes.get().back().character, "Q");
}

} // namespace
} // namespace wigglepad
