// Whether a display can be opened, judged from the platform asked for and the environment.
#include "DisplayCheck.h"

#include <gtest/gtest.h>

namespace wigglepad {
namespace {

TEST(DisplayCheckTest, WithoutAnyDisplaySetTheDefaultPlatformsHaveNothingToOpen) {
    const std::optional<std::string> missing = missingDisplay({"", "", ""});
    ASSERT_TRUE(missing);
    EXPECT_NE(missing->find("neither DISPLAY nor WAYLAND_DISPLAY"), std::string::npos);
    EXPECT_EQ(missing->find('\n'), std::string::npos) << "one line";
}

TEST(DisplayCheckTest, EitherDisplayServesTheDefaultPlatforms) {
    EXPECT_FALSE(missingDisplay({"", ":0", ""}));
    EXPECT_FALSE(missingDisplay({"", "", "wayland-0"}));
}

TEST(DisplayCheckTest, AnExplicitPlatformNeedsItsOwnDisplay) {
    EXPECT_EQ(missingDisplay({"xcb", "", "wayland-0"}),
              "no display to show the play surface on: DISPLAY is not set");
    EXPECT_EQ(missingDisplay({"wayland", ":0", ""}),
              "no display to show the play surface on: WAYLAND_DISPLAY is not set");
    EXPECT_FALSE(missingDisplay({"wayland;xcb", ":0", ""})) << "the fallback can open";
    EXPECT_FALSE(missingDisplay({"xcb:nograb", ":0", ""})) << "options after the name";
}

TEST(DisplayCheckTest, PlatformsWithoutADisplayServerAreLeftToQt) {
    EXPECT_FALSE(missingDisplay({"offscreen", "", ""}));
    EXPECT_FALSE(missingDisplay({"vnc:size=800x600", "", ""}));
}

TEST(DisplayCheckTest, ThePlatformArgumentComesBeforeTheEnvironment) {
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    char program[] = "wigglepad";
    char flag[] = "-platform";
    char name[] = "offscreen";
    char* argv[] = {program, flag, name, nullptr};
    EXPECT_EQ(DisplayEnvironment::current(3, argv).platform, "offscreen");
    EXPECT_EQ(DisplayEnvironment::current(1, argv).platform, "xcb");
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

} // namespace
} // namespace wigglepad
