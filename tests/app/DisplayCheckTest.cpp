// Whether a display can be opened, judged from the platform asked for and the environment.
#include "DisplayCheck.h"

#include <gtest/gtest.h>

namespace wigglepad {
namespace {

TEST(DisplayCheckTest, APlatformNeedsItsOwnDisplayAndTheDefaultOnesEither) {
    const std::string prefix = "no display to show the play surface on: ";
    struct Row {
        DisplayEnvironment environment;
        std::optional<std::string> missing;
    };
    for (const Row& row : {
             Row{{"", "", ""}, prefix + "neither DISPLAY nor WAYLAND_DISPLAY is set"},
             Row{{"", ":0", ""}, {}},
             Row{{"", "", "wayland-0"}, {}},
             Row{{"xcb", "", "wayland-0"}, prefix + "DISPLAY is not set"},
             Row{{"wayland", ":0", ""}, prefix + "WAYLAND_DISPLAY is not set"},
             Row{{"wayland;xcb", ":0", ""}, {}}, // the fallback can open
             Row{{"xcb:nograb", ":0", ""}, {}},  // options after the name
             Row{{"offscreen", "", ""}, {}},     // no display server: left to Qt
             Row{{"vnc:size=800x600", "", ""}, {}},
         }) {
        SCOPED_TRACE(row.environment.platform);
        EXPECT_EQ(missingDisplay(row.environment), row.missing);
    }
}

TEST(DisplayCheckTest, ThePlatformArgumentComesBeforeTheEnvironment) {
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    char program[] = "wigglepad", flag[] = "-platform", name[] = "offscreen";
    char* argv[] = {program, flag, name, nullptr};
    EXPECT_EQ(DisplayEnvironment::current(3, argv).platform, "offscreen");
    EXPECT_EQ(DisplayEnvironment::current(1, argv).platform, "xcb");
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

} // namespace
} // namespace wigglepad
