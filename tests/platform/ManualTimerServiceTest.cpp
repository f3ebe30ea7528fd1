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

TEST(ManualTimerServiceTest, RepeatingTimersFireOncePerIntervalAsTimeMovesOn) {
    ManualTimerService timers;
    int ticks = 0;
    const auto timer = timers.scheduleRepeating(Seconds(0.05), [&] { ++ticks; });
    timers.advance(Seconds(0.049));
    EXPECT_EQ(ticks, 0) << "the first tick comes one interval after the start";
    timers.advance(Seconds(0.001));
    EXPECT_EQ(ticks, 1);
    timers.advance(Seconds(1.0));
    EXPECT_EQ(ticks, 21);
}

TEST(ManualTimerServiceTest, TheClockShowsEachFiringsOwnTime) {
    FakeClock clock(100.0);
    ManualTimerService timers(&clock);
    std::vector<double> seen;
    const auto timer =
        timers.scheduleRepeating(Seconds(0.25), [&] { seen.push_back(clock.now()); });
    timers.advance(Seconds(0.6));
    EXPECT_THAT(seen, ElementsAre(100.25, 100.5));
    EXPECT_DOUBLE_EQ(clock.now(), 100.6);
}

TEST(ManualTimerServiceTest, InvalidatingOrDroppingATimerStopsIt) {
    ManualTimerService timers;
    int kept = 0;
    int stopped = 0;
    const auto keep = timers.scheduleRepeating(Seconds(0.1), [&] { ++kept; });
    auto stop = timers.scheduleRepeating(Seconds(0.1), [&] { ++stopped; });
    auto drop = timers.scheduleRepeating(Seconds(0.1), [&] { ++stopped; });
    stop->invalidate();
    stop->invalidate();
    drop.reset();
    timers.advance(Seconds(0.3));
    EXPECT_EQ(kept, 3);
    EXPECT_EQ(stopped, 0);
    EXPECT_FALSE(stop->isValid());
    EXPECT_EQ(timers.runningTimerCount(), 1u);
}

TEST(ManualTimerServiceTest, ATimerMayDropItsOwnHandleFromItsAction) {
    ManualTimerService timers;
    std::unique_ptr<RepeatingTimer> timer;
    int ticks = 0;
    timer = timers.scheduleRepeating(Seconds(0.05), [&] {
        ++ticks;
        timer.reset();
    });
    timers.advance(Seconds(1.0));
    EXPECT_EQ(ticks, 1);
}

TEST(ManualTimerServiceTest, EverythingFiresInTimeOrderWithTiesInSchedulingOrder) {
    ManualTimerService timers;
    std::vector<std::string> order;
    const auto tick = timers.scheduleRepeating(Seconds(0.5), [&] { order.push_back("tick"); });
    timers.runAfter(Seconds(0.75), [&] { order.push_back("late"); });
    timers.runAfter(Seconds(0.5), [&] { order.push_back("with tick"); });
    timers.runAfter(Seconds(0.25), [&] {
        order.push_back("early");
        timers.runAfter(Seconds(0.0), [&] { order.push_back("chained"); });
    });
    timers.advance(Seconds(1.0));
    EXPECT_THAT(order, ElementsAre("early", "chained", "tick", "with tick", "late", "tick"));
    EXPECT_EQ(timers.pendingDelayedCount(), 0u);
}

} // namespace
} // namespace wigglepad
