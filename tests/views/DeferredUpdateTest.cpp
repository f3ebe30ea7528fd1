#include "DeferredUpdate.h"

#include "AnimationTransaction.h"

#include <QCoreApplication>
#include <gtest/gtest.h>
#include <vector>

namespace wigglepad {
namespace {

// A view's update as the test sees it: how often it ran and with which animation.
struct UpdateLog {
    std::vector<std::optional<Animation>> runs;
    DeferredUpdate update{[this](const std::optional<Animation>& a) { runs.push_back(a); }};
};

void turnEventLoop() {
    QCoreApplication::sendPostedEvents();
}

TEST(DeferredUpdateTest, OneUpdatePerTurnAnimatedWhenAnyOfItsChangesWas) {
    UpdateLog log;
    log.update.request();
    withAnimation([&] { log.update.request(); });
    log.update.request();
    EXPECT_TRUE(log.runs.empty()) << "nothing runs before the event loop turns";
    turnEventLoop();
    ASSERT_EQ(log.runs.size(), 1U);
    ASSERT_TRUE(log.runs[0]);
    EXPECT_EQ(log.runs[0]->duration, Animation::standard().duration);

    log.update.request();
    turnEventLoop();
    ASSERT_EQ(log.runs.size(), 2U);
    EXPECT_FALSE(log.runs[1]) << "the next turn starts without animation";
    turnEventLoop();
    EXPECT_EQ(log.runs.size(), 2U);
}

} // namespace
} // namespace wigglepad
