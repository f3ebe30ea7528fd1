// Telling a lost activation from a flicker.
#include "ActivationWatcher.h"

#include <QTest>
#include <gtest/gtest.h>

namespace wigglepad {
namespace {

TEST(ActivationWatcherTest, AFlickerIsNotToldAndEachLastingLossIsToldOnceLater) {
    ActivationWatcher watcher;
    int told = 0;
    watcher.setHandler([&] { ++told; });
    watcher.applicationStateChanged(Qt::ApplicationInactive);
    watcher.applicationStateChanged(Qt::ApplicationActive);
    QTest::qWait(50);
    EXPECT_EQ(told, 0) << "a loss won back at once";
    for (int loss = 1; loss <= 2; ++loss) {
        watcher.applicationStateChanged(Qt::ApplicationInactive);
        EXPECT_EQ(told, loss - 1) << "not from inside the state change";
        ASSERT_TRUE(QTest::qWaitFor([&] { return told == loss; }, 5000));
        QTest::qWait(30);
        EXPECT_EQ(told, loss);
        watcher.applicationStateChanged(Qt::ApplicationActive);
    }
}

} // namespace
} // namespace wigglepad
