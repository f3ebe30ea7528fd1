#include "FrameClock.h"

#include "FakeClock.h"
#include "ManualTimerService.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace wigglepad {
namespace {

using Seconds = TimerService::Seconds;

// A frame clock on virtual time: the timers fire only when the test moves time on, and the
// clock moves with them.
struct PacedFrames {
    FakeClock clock;
    ManualTimerService timers{&clock};
    std::vector<TimeStamp> frames;
    FrameClock frameClock{clock, timers, [this](TimeStamp t) { frames.push_back(t); }};
};

TEST(FrameClockTest, FramesComeOncePerRefreshOfThePrimaryScreen) {
    PacedFrames paced;
    const TimeStamp start = paced.clock.now();
    paced.frameClock.start();
    const Seconds period =
        FrameClock::refreshPeriod(QGuiApplication::primaryScreen()->refreshRate());
    ASSERT_EQ(paced.timers.runningIntervals(), std::vector<Seconds>{period});

    paced.timers.advance(Seconds(1.0) + period / 2);
    const auto expected = static_cast<std::size_t>(std::lround(1.0 / period.count()));
    ASSERT_EQ(paced.frames.size(), expected) << "a whole second of refreshes, no more";
    for (std::size_t n = 0; n < paced.frames.size(); ++n)
        EXPECT_NEAR(paced.frames[n], start + period.count() * static_cast<double>(n + 1), 1e-6)
            << "frame " << n << " carries the clock's time when it fires";
}

// Rounding a 60 Hz period to whole milliseconds would give 62.5 frames a second.
TEST(FrameClockTest, ThePeriodIsExactlyOneRefreshAndSixtyHertzWithoutAUsableRate) {
    EXPECT_DOUBLE_EQ(FrameClock::refreshPeriod(60.0).count(), 1.0 / 60.0);
    EXPECT_DOUBLE_EQ(FrameClock::refreshPeriod(144.0).count(), 1.0 / 144.0);
    for (qreal misreport : {0.0, -59.9, std::numeric_limits<qreal>::quiet_NaN(),
                            std::numeric_limits<qreal>::infinity()})
        EXPECT_DOUBLE_EQ(FrameClock::refreshPeriod(misreport).count(), 1.0 / 60.0) << misreport;
}

TEST(FrameClockTest, StoppingEndsTheFramesAndARefreshRateChangeRepacesOnlyARunningClock) {
    PacedFrames paced;
    paced.frameClock.start();
    paced.timers.advance(Seconds(0.1));
    const std::size_t before = paced.frames.size();
    EXPECT_GT(before, 0U);

    paced.frameClock.stop();
    emit QGuiApplication::primaryScreen()->refreshRateChanged(75.0);
    paced.timers.advance(Seconds(1.0));
    EXPECT_EQ(paced.frames.size(), before) << "a stopped clock stays stopped";

    paced.frameClock.start();
    emit QGuiApplication::primaryScreen()->refreshRateChanged(120.0);
    EXPECT_EQ(paced.timers.runningIntervals(), std::vector<Seconds>{Seconds(1.0 / 120.0)});
    paced.timers.advance(Seconds(0.1));
    EXPECT_GT(paced.frames.size(), before);
}

} // namespace
} // namespace wigglepad
