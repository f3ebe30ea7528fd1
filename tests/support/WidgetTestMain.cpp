// Runs GoogleTest inside a QApplication, which widget, font and timer tests need. Listing the
// tests, as test discovery does at build time, needs no display, so no application is made then.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
