// Input routing through the kiosk window's own event filter: what reaches the views, what the
// play state gets, and the system pointer kept in step with the overlays.
#include "LaunchedDelegate.h"

#include <QTest>

namespace wigglepad {
namespace {

class InputRouterTest : public LaunchedDelegate {
protected:
    std::size_t shapes() { return state().shapes.get().size(); }
};

// Mouse events always reach the views, so the adult controls keep working; keys and scrolling
// never do while the child plays. An open adult screen gets the keys, but not Escape and not
// M's release: those are the holds'.
TEST_F(InputRouterTest, EachMonitorRowPassesItsEventOnOrSwallowsIt) {
    using enum QEvent::Type;
    const std::vector<bool> whilePlaying{
        mouse(MouseMove, {50, 50}),
        mouse(MouseButtonPress, {50, 50}, Qt::LeftButton, Qt::LeftButton),
        mouse(MouseMove, {60, 50}, Qt::NoButton, Qt::LeftButton),
        mouse(MouseButtonRelease, {60, 50}, Qt::LeftButton),
        mouse(MouseButtonPress, {50, 50}, Qt::RightButton, Qt::RightButton),
        mouse(MouseMove, {70, 50}, Qt::NoButton, Qt::RightButton),
        down(kA),
        up(kA),
        scroll({50, 50})};
    EXPECT_EQ(whilePlaying, (std::vector<bool>{1, 1, 1, 1, 1, 1, 0, 0, 0}));

    state().showMenu.set(true);
    QCoreApplication::processEvents();
    const std::vector<bool> underTheMenu{down(kA), up(kA), down(kEscape),   up(kEscape),
                                         down(kM), up(kM), scroll({50, 50})};
    EXPECT_EQ(underTheMenu, (std::vector<bool>{1, 1, 0, 0, 1, 0, 0}));
}

// Which flag holds back the left press (which starts a drag) and the right press (which spawns).
// A left press on the banner only dismisses it.
TEST_F(InputRouterTest, TheThreeFlagsGateTheButtons) {
    struct Row {
        Published<bool>* flag;
        bool leftStartsDrag, rightSpawns;
    };
    for (const Row& row :
         {Row{nullptr, true, true}, Row{&state().showBanner, false, true},
          Row{&state().showMenu, false, false}, Row{&state().showExitConfirm, false, false}}) {
        state().dragStart.set(std::nullopt);
        state().shapes.set({});
        if (row.flag)
            row.flag->set(true);
        mouse(QEvent::MouseButtonPress, {50, 60}, Qt::LeftButton, Qt::LeftButton);
        mouse(QEvent::MouseButtonPress, {70, 80}, Qt::RightButton, Qt::RightButton);
        EXPECT_EQ(state().dragStart.get().has_value(), row.leftStartsDrag);
        EXPECT_EQ(shapes(), row.rightSpawns ? 1U : 0U);
        EXPECT_FALSE(state().showBanner.get());
        if (row.flag)
            row.flag->set(false);
    }
}

TEST_F(InputRouterTest, TwentyPointsIsStillAClickAndFartherMakesARibbon) {
    click({100, 100}, {112, 116});
    ASSERT_EQ(shapes(), 1U);
    EXPECT_EQ(state().shapes.get()[0].position, (Point{112, 116}));
    EXPECT_FALSE(state().dragStart.get() || state().dragCurrent.get());
    click({100, 100}, {112.1, 116.1});
    EXPECT_EQ(shapes(), 1U);
    EXPECT_EQ(state().ribbons.get().size(), 1U);
}

// A held key spawns once, whether X11 marks its repeats or not.
TEST_F(InputRouterTest, DigitAndLetterKeysFollowTheMode) {
    struct Row {
        PlayMode mode;
        Key key;
        Qt::KeyboardModifiers modifiers;
        std::size_t shapes;
        std::optional<std::string> character;
    };
    const Key digit0{19, Qt::Key_0}, digit1{10, Qt::Key_1}, digit3{12, Qt::Key_3},
        digit7{16, Qt::Key_7}, minus{20, Qt::Key_Minus};
    for (const Row& row :
         {Row{PlayMode::sensory, digit3, {}, 3, {}}, Row{PlayMode::sensory, digit1, {}, 1, {}},
          Row{PlayMode::sensory, digit0, {}, 10, {}},
          Row{PlayMode::sensory, digit3, Qt::ShiftModifier, 1, {}},
          Row{PlayMode::lettersNumbers, kA, {}, 1, "A"},
          Row{PlayMode::lettersNumbers, digit7, {}, 1, "7"},
          Row{PlayMode::lettersNumbers, minus, {}, 1, {}}}) {
        state().shapes.set({});
        state().mode.set(row.mode);
        key(QEvent::KeyPress, row.key, false, row.modifiers);
        key(QEvent::KeyPress, row.key, true, row.modifiers);
        key(QEvent::KeyPress, row.key, false, row.modifiers); // a repeat X11 did not mark
        key(QEvent::KeyRelease, row.key, false, row.modifiers);
        ASSERT_EQ(shapes(), row.shapes) << row.key.scan;
        EXPECT_EQ(state().shapes.get()[0].character, row.character) << row.key.scan;
    }
}

TEST_F(InputRouterTest, ATouchActsAsTheLeftButton) {
    const std::unique_ptr<QPointingDevice> touchScreen(QTest::createTouchDevice());
    const auto touch = [&] { return QTest::touchEvent(&window(), touchScreen.get()); };
    touch().press(0, {200, 200});
    touch().release(0, {205, 205});
    EXPECT_EQ(shapes(), 1U) << "a tap is a click";
    touch().press(0, {200, 200});
    touch().move(0, {300, 220});
    EXPECT_EQ(state().dragCurrent.get(), (Point{300, 220}));
    touch().release(0, {400, 240});
    EXPECT_EQ(state().ribbons.get().size(), 1U) << "a swipe is a drag";
}

// Start-up hid the pointer once; then it changes only on movement, when it disagrees. Movements
// closer than the trail spacing add one point.
TEST_F(InputRouterTest, MovementKeepsHideAndShowPairedWithTheOverlaysAndSpacesTheTrail) {
    state().showMenu.set(true);
    mouse(QEvent::MouseMove, {10, 10});
    mouse(QEvent::MouseMove, {20, 10});
    EXPECT_EQ(std::ranges::count(shell.log, "unhide pointer"), 1);
    EXPECT_EQ(state().cursorPosition.get(), std::nullopt);
    EXPECT_TRUE(state().trail.get().empty());
    state().showMenu.set(false);
    mouse(QEvent::MouseMove, {30, 10});
    clock.advance(0.01);
    mouse(QEvent::MouseMove, {40, 10});
    EXPECT_EQ(std::ranges::count(shell.log, "hide pointer"), 2);
    EXPECT_EQ(state().cursorPosition.get(), (Point{40, 10}));
    EXPECT_EQ(state().trail.get().size(), 1U) << "lastMouse began in the distant past";
    clock.advance(0.017);
    mouse(QEvent::MouseMove, {50, 60}, Qt::NoButton, Qt::RightButton);
    EXPECT_EQ(state().trail.get().size(), 2U);
}

} // namespace
} // namespace wigglepad
