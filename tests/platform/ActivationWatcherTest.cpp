// Telling a lost activation from a flicker.
#include "ActivationWatcher.h"

#include <QTest>
#include <gtest/gtest.h>

namespace wigglepad {
namespace {

TEST(ActivationWatcherTest, ALastingLossIsToldOnce) {
    ActivationWatcher watcher;
    int told = 0;
    watcher.setHandler([&] { ++told; });
    watcher.applicationStateChanged(Qt::ApplicationInactive);
    EXPECT_EQ(told, 0) << "not from inside the state change";
    ASSERT_TRUE(QTest::qWaitFor([&] { return told > 0; }, 5000));
    QTest::qWait(30);
    EXPECT_EQ(told, 1);
}

TEST(ActivationWatcherTest, ALossWonBackAtOnceIsAFlickerAndNotTold) {
    ActivationWatcher watcher;
    int told = 0;
    watcher.setHandler([&] { ++told; });
    watcher.applicationStateChanged(Qt::ApplicationInactive);
    watcher.applicationStateChanged(Qt::ApplicationActive);
    QTest::qWait(50);
    EXPECT_EQ(told, 0);
}

TEST(ActivationWatcherTest, EachNewLossIsToldAgain) {
    ActivationWatcher watcher;
    int told = 0;
    watcher.setHandler([&] { ++told; });
    for (int loss = 1; loss <= 2; ++loss) {
        watcher.applicationStateChanged(Qt::ApplicationInactive);
        ASSERT_TRUE(QTest::qWaitFor([&] { return told == loss; }, 5000));
        watcher.applicationStateChanged(Qt::ApplicationActive);
    }
}

} // namespace
} // namespace wigglepad
