#include "SpeechCache.h"

#include <QTest>
#include <gtest/gtest.h>
#include <sstream>

namespace wigglepad {
namespace {

constexpr double kRate = 22050.0;

TEST(SpeechCacheTest, SpeaksLettersAndDigitsInEachLanguageAndSynthesisesEachOnce) {
    std::vector<std::size_t> spoken;
    std::ostringstream log;
    SpeechCache cache(
        kRate, [&](std::span<const float> clip) { spoken.push_back(clip.size()); }, log);
    int expected = 0;
    for (const char* language : {"en", "de", "fr"}) {
        for (const char* character : {"A", "7"}) {
            cache.say(character, language);
            ASSERT_TRUE(QTest::qWaitFor([&] { return cache.syntheses() > expected; }, 10000))
                << character << " in " << language;
            ++expected;
            // Between a tenth and two seconds of speech, with no silence left around it.
            ASSERT_EQ(spoken.size(), static_cast<std::size_t>(expected));
            EXPECT_GT(spoken.back(), kRate * 0.1);
            EXPECT_LT(spoken.back(), kRate * 2.0);
        }
    }
    cache.say("A", "de");
    EXPECT_EQ(spoken.size(), 7u) << "the second request is served at once";
    EXPECT_EQ(cache.syntheses(), 6);
    EXPECT_EQ(log.str(), "");
    EXPECT_EQ(SpeechCache::languageFor("de_CH"), "de");
    EXPECT_EQ(SpeechCache::languageFor("fr_FR"), "fr");
    EXPECT_EQ(SpeechCache::languageFor("ja_JP"), "en");
}

} // namespace
} // namespace wigglepad
