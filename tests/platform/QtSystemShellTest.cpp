// The system shell and its counted pointer on an offscreen kiosk window.
#include "QtSystemShell.h"

#include "OverrideCursorPointer.h"
#include "SessionEndGuard.h"

#include <QColor>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <csignal>
#include <gtest/gtest.h>
#include <sstream>

namespace wigglepad {
namespace {

constexpr int kPatienceMs = 5000;

struct RecordingSessionEndGuard final : SessionEndGuard {
    void setHoldingOff(bool holdOff) override { holdingOff = holdOff; }
    bool holdingOff = false;
};

class QtSystemShellTest : public ::testing::Test {
protected:
    QtSystemShellTest() {
        window_.resize(200, 100);
        window_.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window_));
        shell_.attachWindow(window_, Qt::white);
        shell_.setTerminationDelegate(
            {[this] { return ++asked_ > 0 && allow_; }, [this] { ++willTerminate_; }});
    }

    // Lets the platform's own reports of earlier window changes arrive.
    static void settle() { QCoreApplication::processEvents(QEventLoop::AllEvents, 50); }

    // Runs the event loop until the shell or the test ends it; returns the loop's status.
    int runLoop(std::function<void()> then) {
        QTimer::singleShot(0, std::move(then));
        QTimer::singleShot(kPatienceMs, [] { QCoreApplication::exit(99); });
        return QCoreApplication::exec();
    }

    bool allow_ = false;
    int asked_ = 0;
    int willTerminate_ = 0;
    std::ostringstream errors_;
    RecordingSessionEndGuard sessionEnd_;
    QWindow window_;
    QtSystemShell shell_{errors_, &sessionEnd_};
};

TEST_F(QtSystemShellTest, TheLockDownCoversThePrimaryScreenAndOptionsZeroGivesItBack) {
    EXPECT_TRUE(window_.flags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(window_.flags().testFlag(Qt::WindowStaysOnTopHint));
    for (const PresentationOptions options : {kLockedDown, kLockedDownSwipeAllowed}) {
        SCOPED_TRACE(options);
        shell_.setPresentationOptions(options);
        EXPECT_EQ(window_.windowStates(), Qt::WindowFullScreen);
        EXPECT_EQ(window_.geometry(), QGuiApplication::primaryScreen()->geometry())
            << "set outright, for desktops without a manager";
        EXPECT_TRUE(sessionEnd_.holdingOff);

        shell_.setPresentationOptions(kNoPresentationOptions);
        EXPECT_EQ(window_.windowStates(), Qt::WindowNoState);
        EXPECT_FALSE(sessionEnd_.holdingOff);
    }
}

TEST_F(QtSystemShellTest, TheKeyboardIsGrabbedOnlyWithoutSwipeAndAFailingGrabIsSaidOnce) {
    shell_.setPresentationOptions(kLockedDownSwipeAllowed);
    shell_.activate();
    QTest::qWait(1200);
    EXPECT_TRUE(errors_.str().empty()) << "no grab was attempted";

    // The offscreen platform cannot grab, as an X server with -nograb cannot.
    shell_.setPresentationOptions(kLockedDown);
    EXPECT_TRUE(errors_.str().empty()) << "a failure of a moment is not said";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !errors_.str().empty(); }, kPatienceMs));
    shell_.activate();
    shell_.setPresentationOptions(kLockedDownSwipeAllowed);
    shell_.setPresentationOptions(kLockedDown);
    QTest::qWait(1200);
    EXPECT_FALSE(shell_.keyboardGrabbed());
    const std::string said = errors_.str();
    EXPECT_NE(said.find("cannot grab the keyboard"), std::string::npos) << said;
    EXPECT_EQ(said.find("cannot grab"), said.rfind("cannot grab"));
}

TEST_F(QtSystemShellTest, AMinimisedWindowComesBackAtOnceWhileHidingIsDisabled) {
    shell_.setPresentationOptions(kLockedDown);
    window_.setWindowStates(Qt::WindowMinimized);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window_.windowStates() == Qt::WindowFullScreen; },
                                kPatienceMs));

    settle();
    shell_.setPresentationOptions(kNoPresentationOptions);
    window_.setWindowStates(Qt::WindowMinimized);
    settle();
    EXPECT_EQ(window_.windowStates(), Qt::WindowMinimized);
}

TEST_F(QtSystemShellTest, TerminateAndWindowCloseAskTheDelegateAndOnlyAYesEndsTheLoopOnce) {
    shell_.setPresentationOptions(kLockedDown);
    window_.close();
    EXPECT_TRUE(window_.isVisible()) << "refused: the window stays";
    const auto refused = [&] {
        shell_.terminate();
        QCoreApplication::exit(7);
    };
    EXPECT_EQ(runLoop(refused), 7) << "refused: the loop ended only when the test ended it";
    EXPECT_EQ(asked_, 2);
    EXPECT_EQ(willTerminate_, 0);

    allow_ = true;
    EXPECT_EQ(runLoop([&] {
                  window_.close();
                  shell_.terminate();
              }),
              0);
    EXPECT_EQ(willTerminate_, 1);
}

TEST_F(QtSystemShellTest, TerminationSignalsReleaseEverythingAndEndWithStatusZero) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        shell_.setPresentationOptions(kLockedDown);
        shell_.hidePointer();
        shell_.hidePointer();
        EXPECT_EQ(runLoop([signal] { std::raise(signal); }), 0) << signal;
        EXPECT_EQ(asked_, 0) << "the system ending the process asks no one";
        EXPECT_EQ(shell_.presentationOptions(), kNoPresentationOptions);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_FALSE(sessionEnd_.holdingOff);
    }
}

// Hides and unhides are counted; the pointer's override cursor sits on top of any other.
TEST(OverrideCursorPointerTest, OneUnhideUndoesOneHideAndASurplusUnhideGivesNoCredit) {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    {
        OverrideCursorPointer pointer;
        pointer.unhide();
        pointer.hide();
        pointer.hide();
        pointer.unhide();
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BlankCursor) << "one left";
        pointer.unhide();
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        pointer.hide();
        pointer.hide();
    }
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr) << "destruction gave back its hides";
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    QGuiApplication::restoreOverrideCursor();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "every pushed cursor was popped";
}

} // namespace
} // namespace wigglepad
