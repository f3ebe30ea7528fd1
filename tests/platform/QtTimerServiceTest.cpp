// Real timers on the event loop and the pacing of their ticks. These check what fires and in
// which order, never how fast: the rate is measured in the platform benchmarks.
#include "QtTimerService.h"

#include "PacedTimer.h"
#include "TickSchedule.h"

#include <QTest>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace wigglepad {
namespace {

using Clock = TickSchedule::Clock;
using Seconds = TimerService::Seconds;
using std::chrono::microseconds;
using std::chrono::nanoseconds;

constexpr int kPatienceMs = 5000;

const Clock::time_point kOrigin{std::chrono::seconds(1000)};
// 1/60 s, as the tick timer asks for it.
const auto kSixtieth =
    std::chrono::duration_cast<nanoseconds>(std::chrono::duration<double>(1.0 / 60.0));

TEST(QtTimerServiceTest, ARepeatingTimerKeepsFiringUntilInvalidatedOrDroppedEvenByItsAction) {
    QtTimerService timers;
    int ticks = 0;
    int dropped = 0;
    int stopped = 0;
    std::unique_ptr<RepeatingTimer> selfDropping;
    std::unique_ptr<RepeatingTimer> selfStopping;
    const auto timer = timers.scheduleRepeating(Seconds(0.005), [&] { ++ticks; });
    timers.scheduleRepeating(Seconds(0.001), [&] { ++dropped; }).reset();
    selfDropping = timers.scheduleRepeating(Seconds(0.001), [&] {
        ++dropped;
        selfDropping.reset();
    });
    selfStopping = timers.scheduleRepeating(Seconds(0.001), [&] {
        if (++stopped == 2)
            selfStopping->invalidate();
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }, kPatienceMs));
    timer->invalidate();
    EXPECT_FALSE(timer->isValid());
    const int stoppedAt = ticks;
    QTest::qWait(30);
    EXPECT_EQ(ticks, stoppedAt);
    EXPECT_EQ(dropped, 1) << "only the self-dropping timer's one tick";
    EXPECT_EQ(stopped, 2);
}

TEST(QtTimerServiceTest, ADelayedActionRunsOnceAndNotAfterTheServiceIsGone) {
    int ran = 0;
    int orphaned = 0;
    {
        QtTimerService timers;
        timers.runAfter(Seconds(0.001), [&] { ++ran; });
        timers.runAfter(Seconds(60.0), [&] { ++orphaned; });
        ASSERT_TRUE(QTest::qWaitFor([&] { return ran > 0; }, kPatienceMs));
    }
    QTest::qWait(20);
    EXPECT_EQ(ran, 1);
    EXPECT_EQ(orphaned, 0);
}

TEST(PacedTimerTest, TicksComeOnWholeIntervalsNeverEarlyAndALateOneIsDelayedNotDoubled) {
    std::vector<Clock::time_point> targets;
    Clock::time_point stallEnd;
    bool early = false;
    PacedTimer timer([&] {
        targets.push_back(*timer.currentTarget());
        early = early || Clock::now() < targets.back();
        if (targets.size() == 1) {
            // The main thread is busy for three intervals.
            std::this_thread::sleep_for(3 * kSixtieth);
            stallEnd = Clock::now();
        }
    });
    timer.start(kSixtieth);
    ASSERT_TRUE(QTest::qWaitFor([&] { return targets.size() >= 6; }, kPatienceMs));
    timer.stop();
    EXPECT_FALSE(early);
    EXPECT_GT(targets[1], stallEnd) << "no burst of catch-up ticks after the stall";
    for (std::size_t i = 1; i < targets.size(); ++i) {
        const auto step = targets[i] - targets[i - 1];
        EXPECT_EQ(step % kSixtieth, Clock::duration::zero()) << "tick " << i;
        EXPECT_GE(step, kSixtieth);
    }
}

TEST(TickScheduleTest, EachTickAimsAtTheFirstWholeIntervalStillAhead) {
    TickSchedule schedule(kOrigin, kSixtieth);
    schedule.advance(kOrigin);
    // Up to a millisecond late, as Qt's whole-millisecond timers run: no drift, nothing skipped.
    EXPECT_EQ(schedule.advance(kOrigin + kSixtieth + microseconds(999)), kOrigin + 2 * kSixtieth);
    // Served 3.5 intervals late (the main thread was busy): the overrun targets are skipped.
    EXPECT_EQ(schedule.advance(kOrigin + 7 * kSixtieth / 2), kOrigin + 4 * kSixtieth);
    EXPECT_EQ(schedule.advance(kOrigin + 4 * kSixtieth), kOrigin + 5 * kSixtieth) << "on time";
    EXPECT_EQ(schedule.advance(kOrigin), kOrigin + 6 * kSixtieth) << "never backwards";

    TickSchedule zero(kOrigin, nanoseconds(0));
    const auto first = zero.advance(kOrigin);
    EXPECT_GT(zero.advance(first), first) << "a zero interval still moves forward";
}

} // namespace
} // namespace wigglepad
