// Runs the render tests inside a QGuiApplication, with the shipped rounded face registered as the
// program does at start so characters are drawn in it. Listing the tests, as test discovery does
// at build time, needs no display, so no application is made then.
#include <QFontDatabase>
#include <QGuiApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    QGuiApplication application(argc, argv);
    QFontDatabase::addApplicationFont(WIGGLEPAD_ROUNDED_FONT_FILE);
    return RUN_ALL_TESTS();
}
