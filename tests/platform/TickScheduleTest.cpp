// The pacing of repeating ticks: fixed targets, late ticks delayed and never doubled.
#include "TickSchedule.h"

#include <gtest/gtest.h>

namespace wigglepad {
namespace {

using Clock = TickSchedule::Clock;
using std::chrono::microseconds;
using std::chrono::nanoseconds;

const Clock::time_point kOrigin{std::chrono::seconds(1000)};
// 1/60 s, as the tick timer asks for it.
const auto kSixtieth =
    std::chrono::duration_cast<nanoseconds>(std::chrono::duration<double>(1.0 / 60.0));

TEST(TickScheduleTest, TargetsAreWholeIntervalsFromTheStartHoweverLateEachTickRuns) {
    TickSchedule schedule(kOrigin, kSixtieth);
    Clock::time_point target = schedule.advance(kOrigin);
    for (int n = 1; n <= 600; ++n) {
        EXPECT_EQ(target, kOrigin + n * kSixtieth);
        // Each tick runs up to a millisecond late, as Qt's whole-millisecond timers do.
        target = schedule.advance(target + microseconds(999));
    }
    // One target per tick and none skipped: late-by-rounding ticks do not drift the rate.
    EXPECT_EQ(schedule.index(), 601);
}

TEST(TickScheduleTest, EachTickAimsAtTheFirstWholeIntervalStillAhead) {
    TickSchedule schedule(kOrigin, kSixtieth);
    schedule.advance(kOrigin);
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
