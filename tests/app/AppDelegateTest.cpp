// The application shell on fakes: start-up, lock-down from the stored swipe setting, the
// termination policy, the quit sequence, the three observers and the tick loop.
#include "AppDelegate.h"

#include "LaunchedDelegate.h"
#include "NotificationNames.h"
#include "SettingsKeys.h"

#include <QGuiApplication>
#include <QWindow>
#include <gtest/gtest.h>

namespace wigglepad {
namespace {

using Log = std::vector<std::string>;

class AppDelegateTest : public DelegateOnFakes {
protected:
    // Notes whether the kiosk window was on screen and active at each change of the lock-down.
    AppDelegateTest() {
        shell.beforeOptions = [this] {
            QCoreApplication::processEvents(); // the window system tells of an activation then
            QWindow* window = shell.window;
            windowShownAndKey.push_back(window && window->isVisible() &&
                                        QGuiApplication::focusWindow() == window);
        };
    }

    std::vector<bool> windowShownAndKey;
};

// Swipe changes switch the lock-down at once and do nothing else; closing, quitting or taking
// the activation away from outside changes nothing; only the exit notification gives the desktop
// back.
TEST_F(AppDelegateTest, TheWindowIsUpAndKeyBeforeTheLockDownWhichOnlyTheExitNotificationEnds) {
    launch();
    EXPECT_EQ(shell.log, (Log{"attach window", "options 490", "activate", "hide pointer"}));
    EXPECT_EQ(windowShownAndKey, std::vector<bool>{true});
    shell.log.clear();
    saveAllowSwipe(settings, true);
    notifications.post(kSwipeChangedNotification);
    saveAllowSwipe(settings, false);
    notifications.post(kSwipeChangedNotification);
    shell.terminate();
    shell.resignActive();
    EXPECT_EQ(shell.log, (Log{"options 458", "options 490", "terminate refused", "activate"}));

    shell.log.clear();
    notifications.post(kExitNotification);
    EXPECT_EQ(shell.log, (Log{"unhide pointer", "options 0", "will terminate", "unhide pointer",
                              "options 0", "terminated"}));
}

TEST_F(AppDelegateTest, TheStoredSwipeSettingChoosesTheLockDown) {
    using Value = MemorySettingsStore::Value;
    for (const auto& [stored, options] : {std::pair{Value(true), kLockedDownSwipeAllowed},
                                          std::pair{Value(std::string("yes")), kLockedDown}}) {
        settings.setRaw(kAllowSwipeKey, stored);
        launch();
        EXPECT_EQ(shell.presentationOptions(), options);
    }
}

// A trail point long faded out: only a pruning pass removes it. The screen changing or going
// neither stops the ticks nor moves the window from its launch frame.
TEST_F(AppDelegateTest, EveryTickStepsTheStateAndEverySixtiethPrunesItWhateverTheScreenDoes) {
    const KioskWindow& window = *launch().window();
    std::vector<std::int64_t> pruningTicks;
    for (int tickNumber = 1; tickNumber <= 180; ++tickNumber) {
        if (tickNumber % 60 == 1 && tickNumber > 1)
            screen.setSize(tickNumber == 61 ? std::optional(SurfaceSize{800, 600}) : std::nullopt);
        delegate->state().trail.modify([&](auto& trail) {
            trail.push_back({{10, 10}, {}, clock.now() - 10.0});
        });
        timers.advance(AppDelegate::kTickInterval);
        if (delegate->state().trail.get().empty())
            pruningTicks.push_back(delegate->frameCount());
    }
    EXPECT_EQ(pruningTicks, (std::vector<std::int64_t>{60, 120, 180}));
    EXPECT_EQ(delegate->state().lastTick(), clock.now()) << "each tick ran the frame step";
    EXPECT_EQ(window.geometry().size(), QSize(1024, 640));
}

TEST_F(AppDelegateTest, WithoutAPrimaryScreenNothingIsBuilt) {
    screen.setSize(std::nullopt);
    delegate = std::make_shared<AppDelegate>(services());
    EXPECT_FALSE(delegate->applicationDidFinishLaunching());
    EXPECT_EQ(delegate->window(), nullptr);
    EXPECT_TRUE(timers.runningIntervals().empty());
    EXPECT_TRUE(shell.log.empty());
}

TEST_F(AppDelegateTest, CallbacksThatOutliveTheDelegateDoNothing) {
    launch();
    const SystemShell::TerminationDelegate termination = delegate->terminationDelegate();
    delegate.reset();
    shell.log.clear();
    notifications.post(kExitNotification);
    notifications.post(kSwipeChangedNotification);
    timers.advance(AppDelegate::kTickInterval * 60);
    EXPECT_FALSE(termination.shouldTerminate());
    termination.willTerminate();
    EXPECT_TRUE(shell.log.empty());
}

} // namespace
} // namespace wigglepad
