// The application shell on fakes: start-up order, lock-down from the stored swipe setting, the
// termination policy, the quit sequence, the three observers and the tick loop.
#include "AppDelegate.h"

#include "FakeClock.h"
#include "FakeScreen.h"
#include "KioskWindow.h"
#include "ManualTimerService.h"
#include "MemorySettingsStore.h"
#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "PlayView.h"
#include "ScriptedRandomSource.h"
#include "SettingsKeys.h"
#include "ShellRecorder.h"

#include <QGuiApplication>
#include <QWindow>
#include <gtest/gtest.h>

namespace wigglepad {
namespace {

using Log = std::vector<std::string>;

// The recorder, also noting whether the kiosk window was on screen and active at each change
// of the lock-down.
class WindowWatchingShell final : public SystemShell {
public:
    void attachWindow(QWindow& window) override { recorder.attachWindow(window); }
    void setPresentationOptions(PresentationOptions options) override {
        // The window system tells of an activation on its next turn.
        QCoreApplication::processEvents();
        QWindow* window = recorder.window();
        windowShownAndKey.push_back(window && window->isVisible() &&
                                    QGuiApplication::focusWindow() == window);
        recorder.setPresentationOptions(options);
    }
    PresentationOptions presentationOptions() const override {
        return recorder.presentationOptions();
    }
    void activate() override { recorder.activate(); }
    void setResignActiveHandler(std::function<void()> handler) override {
        recorder.setResignActiveHandler(std::move(handler));
    }
    void hidePointer() override { recorder.hidePointer(); }
    void unhidePointer() override { recorder.unhidePointer(); }
    void setTerminationDelegate(TerminationDelegate delegate) override {
        recorder.setTerminationDelegate(std::move(delegate));
    }
    void terminate() override { recorder.terminate(); }

    ShellRecorder recorder;
    std::vector<bool> windowShownAndKey;
};

// A delegate that notes what had happened by the time input routing was installed.
class WatchedDelegate : public AppDelegate {
public:
    using AppDelegate::AppDelegate;

    std::optional<Log> shellLogAtMonitors;
    bool tickTimerAtMonitors = false;

protected:
    void installEventMonitors() override {
        shellLogAtMonitors = shell().recorder.log();
        tickTimerAtMonitors = tickTimerRunning();
    }

private:
    WindowWatchingShell& shell() const {
        return static_cast<WindowWatchingShell&>(services().shell);
    }
};

class AppDelegateTest : public ::testing::Test {
protected:
    // The program entry's steps 3 and 4, then the end of launching.
    WatchedDelegate& launch() {
        delegate = std::make_shared<WatchedDelegate>(
            AppDelegate::Services{shell, timers, notifications, settings, clock, screen, random});
        shell.setTerminationDelegate(delegate->terminationDelegate());
        EXPECT_TRUE(delegate->applicationDidFinishLaunching());
        return *delegate;
    }

    const Log& log() const { return shell.recorder.log(); }
    void clearLog() { shell.recorder.clearLog(); }
    void tick(int ticks) { timers.advance(AppDelegate::kTickInterval * ticks); }

    FakeClock clock;
    FakeScreen screen{SurfaceSize{1024, 640}};
    ScriptedRandomSource random;
    MemorySettingsStore settings;
    WindowWatchingShell shell;
    ManualTimerService timers{&clock};
    NotificationCenter notifications;
    std::shared_ptr<WatchedDelegate> delegate;
};

TEST_F(AppDelegateTest, BeforeLaunchingFinishesThereIsAStateButNoWindowNoTimerNoLockDown) {
    delegate = std::make_shared<WatchedDelegate>(
        AppDelegate::Services{shell, timers, notifications, settings, clock, screen, random});
    EXPECT_EQ(delegate->window(), nullptr);
    EXPECT_FALSE(delegate->tickTimerRunning());
    EXPECT_TRUE(delegate->state().showMenu.get()) << "the state read the settings: no mode saved";
    EXPECT_FALSE(delegate->allowTermination());
    EXPECT_EQ(delegate->frameCount(), 0);
    EXPECT_TRUE(delegate->cursorIsHidden());
    EXPECT_TRUE(log().empty());
}

TEST_F(AppDelegateTest, TheWindowIsUpAndKeyBeforeTheLockDownAndInputComesBeforeTheTicks) {
    const WatchedDelegate& launched = launch();
    EXPECT_EQ(log(), (Log{"attach window", "options 490", "activate", "hide pointer"}));
    EXPECT_EQ(shell.windowShownAndKey, std::vector<bool>{true});
    ASSERT_TRUE(launched.shellLogAtMonitors);
    EXPECT_EQ(*launched.shellLogAtMonitors, log()) << "monitors after the pointer is hidden";
    EXPECT_FALSE(launched.tickTimerAtMonitors);
    EXPECT_TRUE(launched.tickTimerRunning());
}

TEST_F(AppDelegateTest, TheWindowCoversTheScreenWithThePlayViewOnTheWarmSurface) {
    const KioskWindow& window = *launch().window();
    EXPECT_EQ(window.geometry().size(), QSize(1024, 640));
    EXPECT_EQ(&window.handle(), shell.recorder.window());
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window.hasMouseTracking());
    const auto* view = qobject_cast<const PlayView*>(window.contentView());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->geometry(), window.rect());
}

TEST_F(AppDelegateTest, TheStoredSwipeSettingChoosesTheLockDown) {
    settings.setBool(kAllowSwipeKey, true);
    launch();
    EXPECT_EQ(shell.presentationOptions(), kLockedDownSwipeAllowed);
}

TEST_F(AppDelegateTest, AnIllTypedSwipeSettingCountsAsOff) {
    settings.setRaw(kAllowSwipeKey, std::string("yes"));
    launch();
    EXPECT_EQ(shell.presentationOptions(), kLockedDown);
}

TEST_F(AppDelegateTest, ASwipeChangeSwitchesTheLockDownAtOnceAndNothingElse) {
    launch();
    clearLog();
    settings.setBool(kAllowSwipeKey, true);
    notifications.post(kSwipeChangedNotification);
    EXPECT_EQ(log(), Log{"options 458"});
    settings.setBool(kAllowSwipeKey, false);
    notifications.post(kSwipeChangedNotification);
    EXPECT_EQ(log(), (Log{"options 458", "options 490"}));
}

TEST_F(AppDelegateTest, RequestsToQuitFromOutsideAreRefusedAndTheLockDownStays) {
    launch();
    clearLog();
    shell.recorder.requestWindowClose();
    shell.recorder.terminate();
    EXPECT_EQ(log(), (Log{"terminate refused", "terminate refused"}));
    EXPECT_FALSE(shell.recorder.terminated());
    EXPECT_EQ(shell.presentationOptions(), kLockedDown);
    EXPECT_TRUE(shell.recorder.pointerHidden());
}

TEST_F(AppDelegateTest, LosingTheActivationAsksForItBack) {
    launch();
    clearLog();
    shell.recorder.resignActive();
    EXPECT_EQ(log(), Log{"activate"});
}

TEST_F(AppDelegateTest, TheExitNotificationRunsTheQuitSequenceAndTheDesktopComesBack) {
    launch();
    clearLog();
    notifications.post(kExitNotification);
    EXPECT_EQ(log(), (Log{"unhide pointer", "options 0", "will terminate", "unhide pointer",
                          "options 0", "terminated"}));
    EXPECT_TRUE(delegate->allowTermination());
    EXPECT_FALSE(shell.recorder.pointerHidden());
    EXPECT_TRUE(delegate->cursorIsHidden()) << "the quit sequence leaves the field alone";
}

TEST_F(AppDelegateTest, EveryTickStepsTheStateAndEverySixtiethPrunesIt) {
    launch();
    // A trail point long faded out: only a pruning pass removes it.
    const auto addFadedTrailPoint = [&] {
        delegate->state().trail.modify([&](auto& trail) {
            trail.push_back({{10, 10}, {}, clock.now() - 10.0});
        });
    };
    const auto trailSize = [&] { return delegate->state().trail.get().size(); };
    addFadedTrailPoint();
    tick(59);
    EXPECT_EQ(trailSize(), 1U);
    EXPECT_EQ(delegate->state().lastTick(), clock.now()) << "each tick ran the frame step";
    tick(1);
    EXPECT_EQ(trailSize(), 0U) << "pruned on the 60th tick";
    for (const std::int64_t pruningTick : {120, 180}) {
        tick(1);
        addFadedTrailPoint();
        tick(static_cast<int>(pruningTick - delegate->frameCount() - 1));
        EXPECT_EQ(trailSize(), 1U) << "not yet at tick " << delegate->frameCount();
        tick(1);
        EXPECT_EQ(trailSize(), 0U) << "pruned on tick " << pruningTick;
    }
    EXPECT_EQ(delegate->frameCount(), 180);
}

TEST_F(AppDelegateTest, TheWindowKeepsItsLaunchFrameWhenTheScreenChangesOrGoes) {
    const KioskWindow& window = *launch().window();
    const QRect launchFrame = window.geometry();
    for (const std::optional<SurfaceSize> size :
         {std::optional(SurfaceSize{800, 600}), std::optional<SurfaceSize>()}) {
        screen.setSize(size);
        tick(60);
        EXPECT_EQ(window.geometry(), launchFrame);
    }
    EXPECT_EQ(delegate->frameCount(), 120) << "the ticks went on";
}

TEST_F(AppDelegateTest, WithoutAPrimaryScreenNothingIsBuilt) {
    screen.setSize(std::nullopt);
    delegate = std::make_shared<WatchedDelegate>(
        AppDelegate::Services{shell, timers, notifications, settings, clock, screen, random});
    EXPECT_FALSE(delegate->applicationDidFinishLaunching());
    EXPECT_EQ(delegate->window(), nullptr);
    EXPECT_FALSE(delegate->tickTimerRunning());
    EXPECT_TRUE(log().empty());
}

TEST_F(AppDelegateTest, CallbacksThatOutliveTheDelegateDoNothing) {
    launch();
    const SystemShell::TerminationDelegate termination = delegate->terminationDelegate();
    delegate.reset();
    clearLog();
    notifications.post(kExitNotification);
    notifications.post(kSwipeChangedNotification);
    tick(60);
    EXPECT_FALSE(termination.shouldTerminate());
    termination.willTerminate();
    EXPECT_TRUE(log().empty());
}

} // namespace
} // namespace wigglepad
