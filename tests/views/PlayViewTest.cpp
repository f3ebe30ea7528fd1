// The play view's layer stack: which layers the three flags bring, where the corner zone and
// the banner sit, the actions handed to the overlays and the banner's auto-hide.
#include "PlayView.h"

#include "ExitConfirmOverlay.h"
#include "ExitTapZone.h"
#include "FittingColumn.h"
#include "InfoBanner.h"
#include "LightAppearance.h"
#include "ManualTimerService.h"
#include "MemorySettingsStore.h"
#include "MenuView.h"
#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "Pixels.h"
#include "PlayCanvas.h"
#include "SavedMode.h"
#include "ViewTestKit.h"

#include <QBackingStore>
#include <algorithm>
#include <gtest/gtest.h>

namespace wigglepad {
namespace {

using Seconds = TimerService::Seconds;

const QColor kSurface = QColor::fromRgbF(0.98f, 0.97f, 0.95f);
const QSize kWindow(1280, 800);

class PlayViewTest : public ::testing::Test {
protected:
    PlayViewTest() {
        notifications.addObserver(kExitNotification, [this] { ++exitPosts; });
        view.resize(kWindow);
        view.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&view));
        settle();
    }

    // Lets the view catch up with the state, as it does on the next turn of the event loop.
    static void settle() { QCoreApplication::sendPostedEvents(); }
    void setFlags(bool menu, bool confirm, bool banner) {
        state.showMenu.set(menu);
        state.showExitConfirm.set(confirm);
        state.showBanner.set(banner);
        settle();
    }
    void click(QPoint at) { QTest::mouseClick(view.windowHandle(), Qt::LeftButton, {}, at); }
    void clickCorner(int times, double pause = 0.0) {
        for (int i = 0; i < times; ++i, clock.advance(pause))
            click(QPoint(view.width() - 5, 5));
    }
    StyledButton& confirm(const char* text) { return button(view.exitConfirm(), text); }
    const QImage& onScreen() { return dynamic_cast<QImage&>(*view.backingStore()->paintDevice()); }

    MemorySettingsStore settings = [] {
        MemorySettingsStore saved;
        saveMode(saved, PlayMode::sensory);
        return saved;
    }();
    PlayStateOnFakes play{settings};
    AppState& state = play.state;
    FakeClock& clock = play.clock;
    ManualTimerService timers{&clock};
    NotificationCenter notifications;
    int exitPosts = 0;
    PlayView view{state, kSurface, {clock, timers, settings, notifications}};
};

TEST_F(PlayViewTest, EachFlagBringsItsLayerOverTheAlwaysPresentCanvasAndCornerZone) {
    const QObjectList& layers = view.children(); // painted in this order, the last on top
    const std::vector<const QWidget*> order{&view.canvas(), &view.tapZone(), &view.menu(),
                                            &view.exitConfirm(), &view.banner()};
    for (std::size_t i = 1; i < order.size(); ++i)
        EXPECT_LT(layers.indexOf(order[i - 1]), layers.indexOf(order[i])) << i;
    for (int flags = 0; flags < 8; ++flags) {
        const bool menu = flags & 1, confirm = flags & 2, banner = flags & 4;
        setFlags(menu, confirm, banner);
        SCOPED_TRACE(flags);
        EXPECT_TRUE(view.canvas().isVisible() && view.tapZone().isVisible());
        EXPECT_EQ(view.menu().isVisible(), menu);
        EXPECT_EQ(view.exitConfirm().isVisible(), confirm);
        EXPECT_EQ(view.banner().isVisible(), banner);
    }
}

TEST_F(PlayViewTest, TheZoneKeepsToTheTopRightCornerAndTheBannerToTheTopAtAnySize) {
    for (const QSize size :
         {QSize(1920, 1080), QSize(1280, 800), QSize(640, 480), QSize(300, 200)}) {
        view.resize(size);
        EXPECT_EQ(view.tapZone().geometry(), QRect(size.width() - 44, 0, 44, 44)) << size.width();
        EXPECT_EQ(view.canvas().geometry(), QRect(QPoint(), size));
        EXPECT_EQ(view.banner().geometry(),
                  QRect(0, 0, size.width(), view.banner().heightForWidth(size.width())));
    }
}

// On laptop-sized screens every section of the menu shows whole, below the banner while it is
// there, and no two sections overlap.
TEST_F(PlayViewTest, TheMenuFitsBelowTheBannerOnSmallScreens) {
    for (const QSize size : {QSize(1366, 768), QSize(1280, 720), QSize(1024, 600), QSize(960, 540)})
        for (const bool banner : {true, false}) {
            SCOPED_TRACE(testing::Message() << size.width() << " banner " << banner);
            view.resize(size);
            setFlags(true, false, banner);
            const int top = banner ? view.banner().geometry().bottom() + 1 : 0;
            const QList<QWidget*> sections =
                view.menu().findChild<FittingColumn*>()->findChildren<QWidget*>(
                    Qt::FindDirectChildrenOnly);
            ASSERT_EQ(sections.size(), 8);
            for (qsizetype i = 0; i < sections.size(); ++i) {
                const QRect placed(sections[i]->mapTo(&view, QPoint()), sections[i]->size());
                EXPECT_TRUE(QRect(0, top, size.width(), size.height() - top).contains(placed)) << i;
                for (qsizetype j = 0; j < i; ++j)
                    EXPECT_FALSE(placed.intersects(
                        QRect(sections[j]->mapTo(&view, QPoint()), sections[j]->size())))
                        << i << " over " << j;
            }
        }
}

// While the banner is shown, corner clicks reach it and not the zone.
TEST_F(PlayViewTest, FiveQuickClicksInTheCornerOpenTheConfirmationAndGiveItTheKeys) {
    clickCorner(5);
    EXPECT_EQ(view.tapZone().tapCount(), 0);
    setFlags(false, false, false);
    EXPECT_EQ(view.focusWidget(), nullptr) << "nothing takes the keys while the child plays";
    clickCorner(5, 0.3);
    settle();
    EXPECT_TRUE(view.exitConfirm().isVisible());
    EXPECT_TRUE(view.exitConfirm().isAncestorOf(view.focusWidget()) ||
                view.focusWidget() == &view.exitConfirm());
}

// The confirmation swallows clicks beside its buttons: the corner zone under it hears none.
TEST_F(PlayViewTest, BackdropClicksDoNothingExitPostsOnEveryPressAndCancelClearsOnlyItsFlag) {
    setFlags(false, true, false);
    click(QPoint(10, 10));
    click(view.exitConfirm().cardGeometry().topLeft() + QPoint(12, 12));
    clickCorner(5);
    EXPECT_EQ(exitPosts, 0);
    EXPECT_TRUE(state.showExitConfirm.get());
    EXPECT_EQ(view.tapZone().tapCount(), 0);

    setFlags(true, true, true);
    QTest::mouseClick(&confirm("Exit"), Qt::LeftButton);
    QTest::mouseClick(&confirm("Exit"), Qt::LeftButton);
    EXPECT_EQ(exitPosts, 2);
    EXPECT_TRUE(state.showExitConfirm.get()) << "Exit leaves the confirmation up";
    QTest::mouseClick(&confirm("Cancel"), Qt::LeftButton);
    EXPECT_FALSE(state.showExitConfirm.get());
    EXPECT_TRUE(state.showMenu.get() && state.showBanner.get());
    EXPECT_EQ(state.mode.get(), PlayMode::sensory);
}

// A child mashing keys never presses Exit: the keyboard reaches Cancel only, and Return and
// Escape do nothing.
TEST_F(PlayViewTest, OnTheConfirmationNoKeyPressesExitWhileTabAndSpacePressCancel) {
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    setFlags(false, true, false);
    for (const Qt::Key key :
         {Qt::Key_Tab, Qt::Key_Right, Qt::Key_Down, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Left,
          Qt::Key_Up, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
        EXPECT_EQ(type(key), &confirm("Cancel")) << key;
    EXPECT_TRUE(state.showExitConfirm.get());
    type(Qt::Key_Space);
    EXPECT_FALSE(state.showExitConfirm.get()) << "Cancel pressed";
    settle();
    EXPECT_EQ(QApplication::focusWidget(), nullptr) << "no focus left behind";
    EXPECT_EQ(exitPosts, 0);
}

// Only the pointer on the card counts as someone attending; the corner under the backdrop
// does not.
TEST_F(PlayViewTest, AnUnattendedConfirmationCancelsItselfAfter15Seconds) {
    const std::size_t timersOfThePlay = timers.runningIntervals().size();
    setFlags(false, true, false);
    timers.advance(Seconds(14.0));
    QTest::mouseMove(view.windowHandle(), view.exitConfirm().cardGeometry().center());
    timers.advance(Seconds(14.0));
    QTest::mouseMove(view.windowHandle(), QPoint(view.width() - 1, 0));
    EXPECT_TRUE(state.showExitConfirm.get()) << "the move on the card started the count again";
    timers.advance(Seconds(1.5));
    EXPECT_FALSE(state.showExitConfirm.get());
    EXPECT_EQ(exitPosts, 0);
    EXPECT_EQ(timers.runningIntervals().size(), timersOfThePlay) << "the count ends with it";
}

// What lies behind is dimmed, and shows through the centred card as a soft tint.
TEST_F(PlayViewTest, TheConfirmationDimsTheSurfaceUnderAFrostedCentredCardWithARedExit) {
    addBubble(state, {640, 400}, 390);
    setFlags(false, true, false);
    const QImage image = view.grab().toImage();
    EXPECT_TRUE(near(image.pixelColor(5, 5), QColor(150, 148, 145), 3)) << "black at 0.4";
    const QRect card = view.exitConfirm().cardGeometry();
    EXPECT_EQ(card.center(), view.rect().center());
    const QColor glass = image.pixelColor(card.left() + 20, card.center().y());
    EXPECT_GT(glass.blue() - glass.red(), 20) << "tinted by the blue behind";
    EXPECT_GT(glass.lightness(), image.pixelColor(5, 5).lightness()) << "lighter than the dim";
    const QRect exit = confirm("Exit").geometry().translated(card.topLeft());
    EXPECT_TRUE(near(image.pixelColor(exit.left() + 4, exit.center().y()), LightAppearance::red()));
    for (const QSize size : {QSize(3000, 600), QSize(600, 3000)}) {
        view.resize(size);
        const QPoint off = view.exitConfirm().cardGeometry().center() - view.rect().center();
        EXPECT_LE(off.manhattanLength(), 2);
    }
}

// Between Start and the menu's end the screen shows the Start button partly faded into the
// surface.
TEST_F(PlayViewTest, StartFadesTheMenuOut) {
    setFlags(true, false, false);
    const StyledButton& start = button(view.menu(), "Start");
    const QPoint inside = start.mapTo(&view, QPoint(4, start.height() / 2));
    click(inside);
    EXPECT_TRUE(QTest::qWaitFor([&] {
        const int red = onScreen().pixelColor(inside).red(); // the accent has none, the ground 250
        return red > 40 && red < 210;
    }));
}

TEST_F(PlayViewTest, TheCloseButtonSlidesTheBannerOutWhileAPlainClearHidesItAtOnce) {
    QTest::mouseClick(&view.banner().closeButton(), Qt::LeftButton);
    settle();
    EXPECT_TRUE(view.banner().isVisible()) << "still sliding out";
    EXPECT_TRUE(QTest::qWaitFor([&] { return !view.banner().isVisible(); }));
    EXPECT_EQ(view.banner().pos(), QPoint()) << "back at its place for the next time";

    state.showBanner.set(true);
    settle();
    state.showBanner.set(false);
    settle();
    EXPECT_FALSE(view.banner().isVisible());
}

// Showing the view again schedules nothing more; an auto-hide due after a view is gone does
// nothing.
TEST_F(PlayViewTest, TheBannerHidesItselfSixtySecondsAfterTheViewFirstAppeared) {
    ManualTimerService otherTimers{&clock};
    {
        PlayView gone(state, kSurface, {clock, otherTimers, settings, notifications});
        gone.show();
    }
    timers.advance(Seconds(59.9));
    EXPECT_TRUE(state.showBanner.get());
    view.hide();
    view.show();
    timers.advance(Seconds(0.1));
    EXPECT_FALSE(state.showBanner.get());
    settle();
    EXPECT_TRUE(view.banner().isVisible()) << "it slides out";
    state.showBanner.set(true);
    timers.advance(Seconds(61));
    otherTimers.advance(Seconds(61));
    EXPECT_TRUE(state.showBanner.get());
}

TEST_F(PlayViewTest, FramesThatRepaintOnlyDriftingBubblesLeaveTheScreenAsAWholeRepaintWould) {
    setFlags(false, false, false);
    const TimeStamp start = clock.now();
    for (const double x : {100.0, 500.0, 1250.0})
        addBubble(state, {x, 300}, 40);
    for (int frame = 0; frame < 40; ++frame) {
        state.bubbles.modify([](auto& bubbles) {
            for (Bubble& bubble : bubbles)
                bubble.position = bubble.position + Point{0.7, -0.45};
        });
        // The cursor moves, then rests for the last frames.
        state.cursorPosition.set(Point{800.0 + 1.3 * std::min(frame, 30), 500.0});
        timers.advance(Seconds(1.0 / 60.0));
        QCoreApplication::processEvents();
    }
    const QImage shown = onScreen().convertToFormat(QImage::Format_RGB32);
    const QImage whole = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), whole.size());
    int differing = 0;
    for (int y = 0; y < whole.height(); ++y)
        for (int x = 0; x < whole.width(); ++x)
            differing += near(shown.pixelColor(x, y), whole.pixelColor(x, y), 2) ? 0 : 1;
    EXPECT_EQ(differing, 0) << "smears left behind by bubbles and a cursor that moved on";
    EXPECT_TRUE(near(shown.pixelColor(kWindow.width() / 2, kWindow.height() - 2), kSurface, 1));
    EXPECT_GT(view.canvas().frameTime(), start + 0.6) << "painted at the frame clock's time";
    EXPECT_LE(view.canvas().frameTime(), clock.now());
}

} // namespace
} // namespace wigglepad
