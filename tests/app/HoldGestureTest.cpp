// The Escape and M holds on virtual time, with the keys sent through the kiosk window's filter.
#include "AnimationTransaction.h"
#include "LaunchedDelegate.h"

#include <algorithm>

namespace wigglepad {
namespace {

class HoldGestureTest : public LaunchedDelegate {
public:
    bool quit() const { return shell.terminated; }
    // A hold runs while its timer does; nothing else ticks at its pace.
    long runningHolds() const {
        return std::ranges::count(timers.runningIntervals(), HoldGesture::kTickInterval);
    }
};

// X11 repeats a held key as release-and-press pairs marked auto-repeat; they do not restart
// the hold, so it still quits 3 s after the first press, on the first tick at or after it.
TEST_F(HoldGestureTest, TheExitHoldQuitsAtThreeSecondsWithFullProgressLast) {
    const TimeStamp start = clock.now();
    down(kEscape);
    for (int tick = 1; !quit() && tick <= 70; ++tick) {
        advance(HoldGesture::kTickInterval.count());
        EXPECT_EQ(quit(), clock.now() - start >= 3.0) << "tick " << tick;
        if (tick % 10 == 0)
            up(kEscape, true), down(kEscape, true);
    }
    ASSERT_TRUE(quit());
    EXPECT_EQ(state().exitProgress.get(), 1.0);
    EXPECT_EQ(shell.log.back(), "terminated");
    EXPECT_EQ(runningHolds(), 1) << "the timer is left to the end of the run";
}

TEST_F(HoldGestureTest, TheMenuHoldOpensTheMenuOnceAndForgetsTheChosenMode) {
    int animatedChanges = 0;
    const auto token = state().objectWillChange.subscribe(
        [&] { animatedChanges += AnimationTransaction::current().has_value(); });
    down(kM);
    advance(4.9);
    EXPECT_FALSE(state().showMenu.get());
    EXPECT_TRUE(loadSavedMode(settings));
    advance(0.15);
    EXPECT_TRUE(state().showMenu.get());
    EXPECT_EQ(animatedChanges, 1) << "the menu came up animated";
    state().objectWillChange.unsubscribe(token);
    EXPECT_EQ(state().menuHoldProgress.get(), 0.0);
    EXPECT_FALSE(loadSavedMode(settings));
    state().showMenu.set(false);
    down(kM, true);
    advance(6.0);
    EXPECT_FALSE(state().showMenu.get()) << "keeping M down opens nothing again";
}

TEST_F(HoldGestureTest, EscapeHoldsOverAnAdultScreenButMDoesNot) {
    state().showExitConfirm.set(true);
    down(kM);
    down(kEscape);
    advance(1.0);
    EXPECT_EQ(state().menuHoldProgress.get(), 0.0);
    EXPECT_GT(state().exitProgress.get(), 0.0);
    EXPECT_EQ(runningHolds(), 1);
}

// Letting go ends both holds, and so does losing the keyboard: a release that goes to another
// window is never seen.
TEST_F(HoldGestureTest, LettingGoOrLosingTheKeyboardMidHoldCancelsBothHolds) {
    QWidget other;
    const std::function<void()> endings[] = {[&] { up(kEscape), up(kM); },
                                             [&] { shell.resignActive(); },
                                             [&] { other.show(), other.activateWindow(); }};
    for (const auto& end : endings) {
        down(kEscape);
        down(kM);
        advance(2.0);
        EXPECT_NEAR(state().exitProgress.get(), 2.0 / 3.0, 1e-6);
        EXPECT_GT(state().menuHoldProgress.get(), 0.0) << "the keys count as let go after each end";
        end();
        QCoreApplication::processEvents();
        EXPECT_EQ(state().exitProgress.get() + state().menuHoldProgress.get(), 0.0);
        EXPECT_EQ(runningHolds(), 0);
        advance(6.0);
        EXPECT_FALSE(quit() || state().showMenu.get());
    }
}

} // namespace
} // namespace wigglepad
