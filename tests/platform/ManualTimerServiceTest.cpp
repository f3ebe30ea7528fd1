// Hand-driven timers, the fake other rooms' tests drive timed behaviour with.
#include "ManualTimerService.h"

#include "FakeClock.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace wigglepad {
namespace {

using ::testing::ElementsAre;
using Seconds = TimerService::Seconds;

TEST(ManualTimerServiceTest, FiresInTimeOrderAtItsOwnTimeTiesInSchedulingOrderUntilStopped) {
    FakeClock clock(100.0);
    ManualTimerService timers(&clock);
    std::vector<std::string> order;
    const auto tick = timers.scheduleRepeating(
        Seconds(0.5), [&] { order.push_back("tick " + std::to_string(clock.now())); });
    timers.runAfter(Seconds(0.75), [&] { order.push_back("late"); });
    timers.runAfter(Seconds(0.5), [&] { order.push_back("with tick"); });
    timers.runAfter(Seconds(0.25), [&] {
        order.push_back("early");
        timers.runAfter(Seconds(0.0), [&] { order.push_back("chained"); });
    });
    auto stopped = timers.scheduleRepeating(Seconds(0.1), [&] { order.push_back("stopped"); });
    auto dropped = timers.scheduleRepeating(Seconds(0.1), [&] { order.push_back("dropped"); });
    std::unique_ptr<RepeatingTimer> selfDropping;
    selfDropping = timers.scheduleRepeating(Seconds(0.3), [&] {
        order.push_back("self-dropping");
        selfDropping.reset();
    });
    stopped->invalidate();
    dropped.reset();
    timers.advance(Seconds(0.499));
    EXPECT_THAT(order, ElementsAre("early", "chained", "self-dropping"));
    timers.advance(Seconds(0.601));
    EXPECT_THAT(order, ElementsAre("early", "chained", "self-dropping", "tick 100.500000",
                                   "with tick", "late", "tick 101.000000"));
    EXPECT_DOUBLE_EQ(clock.now(), 101.1);
    EXPECT_FALSE(stopped->isValid());
    EXPECT_EQ(timers.runningTimerCount(), 1u);
    EXPECT_EQ(timers.pendingDelayedCount(), 0u);
}

} // namespace
} // namespace wigglepad
