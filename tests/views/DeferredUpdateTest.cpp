#include "DeferredUpdate.h"

#include "AnimationTransaction.h"
#include "Published.h"

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

TEST(DeferredUpdateTest, ManyRequestsInOneTurnRunTheUpdateOnce) {
    UpdateLog log;
    log.update.request();
    log.update.request();
    log.update.request();
    EXPECT_TRUE(log.update.isPending());
    EXPECT_TRUE(log.runs.empty()) << "nothing runs before the event loop turns";
    turnEventLoop();
    EXPECT_EQ(log.runs.size(), 1U);
    EXPECT_FALSE(log.update.isPending());
    turnEventLoop();
    EXPECT_EQ(log.runs.size(), 1U);
}

// The state announces before it changes; the update must see the new value.
TEST(DeferredUpdateTest, TheUpdateReadsTheValueAnnouncedBeforeIt) {
    ChangePublisher publisher;
    Published<bool> showMenu(publisher, true);
    std::vector<bool> seen;
    DeferredUpdate update([&](const std::optional<Animation>&) { seen.push_back(showMenu.get()); });
    publisher.subscribe([&] { update.request(); });
    showMenu.set(false);
    turnEventLoop();
    EXPECT_EQ(seen, std::vector<bool>{false});
}

TEST(DeferredUpdateTest, AnUpdateIsAnimatedWhenAnyOfItsChangesWas) {
    UpdateLog log;
    log.update.request();
    withAnimation([&] { log.update.request(); });
    log.update.request();
    turnEventLoop();
    ASSERT_EQ(log.runs.size(), 1U);
    ASSERT_TRUE(log.runs[0]);
    EXPECT_EQ(log.runs[0]->duration, Animation::standard().duration);

    log.update.request();
    turnEventLoop();
    ASSERT_EQ(log.runs.size(), 2U);
    EXPECT_FALSE(log.runs[1]) << "the next turn starts without animation";
}

} // namespace
} // namespace wigglepad
