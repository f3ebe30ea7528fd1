// The event monitor on an offscreen kiosk window: Qt events in, plain facts out, and the
// handler's word on whether the window's widgets see the event.
#include "EventMonitor.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>
#include <vector>

namespace wigglepad {
namespace {

// X11 key codes (evdev + 8), named by their place on a US keyboard.
constexpr quint32 kEscapeScan = 9;
constexpr quint32 kDigit3Scan = 12;
constexpr quint32 kAScan = 38;
constexpr quint32 kLeftShiftScan = 50;
constexpr quint32 kMScan = 58;

// A widget that notes which events reach it.
class WitnessWidget final : public QWidget {
public:
    std::vector<QEvent::Type> seen;

protected:
    bool event(QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove:
        case QEvent::Wheel:
            seen.push_back(event->type());
            break;
        default:
            break;
        }
        return QWidget::event(event);
    }
};

class EventMonitorTest : public ::testing::Test {
protected:
    EventMonitorTest() {
        widget_.setMouseTracking(true);
        widget_.resize(400, 300);
        widget_.show();
    }

    void watch(const std::string& layout = "us") {
        monitor_ = std::make_unique<EventMonitor>(*widget_.windowHandle(),
                                                  KeyboardLayout::fromNames(layout),
                                                  [this](const InputEvent& e) {
                                                      facts_.push_back(e);
                                                      return disposition_;
                                                  });
    }

    void send(QEvent& event) { QCoreApplication::sendEvent(widget_.windowHandle(), &event); }

    void key(QEvent::Type type, int qtKey, quint32 scan, Qt::KeyboardModifiers modifiers = {},
             bool autoRepeat = false) {
        QKeyEvent event(type, qtKey, modifiers, scan, 0, 0, QString(), autoRepeat);
        send(event);
    }

    void mouse(QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, at, at, button, held, Qt::NoModifier);
        send(event);
    }

    const InputEvent& only() {
        EXPECT_EQ(facts_.size(), 1u);
        return facts_.back();
    }

    WitnessWidget widget_;
    std::unique_ptr<EventMonitor> monitor_;
    std::vector<InputEvent> facts_;
    InputDisposition disposition_ = InputDisposition::passOn;
};

TEST_F(EventMonitorTest, EscapeReadsAsKeyCode53) {
    watch();
    key(QEvent::KeyPress, Qt::Key_Escape, kEscapeScan);
    EXPECT_EQ(only().kind, InputEvent::Kind::keyDown);
    EXPECT_EQ(only().keyCode, 53);
    EXPECT_FALSE(only().isAutoRepeat);
}

TEST_F(EventMonitorTest, TheMPositionReadsAs46OnAnyLayout) {
    watch("us");
    key(QEvent::KeyPress, Qt::Key_M, kMScan);
    EXPECT_EQ(only().keyCode, 46);
    EXPECT_EQ(only().characters, "m");

    facts_.clear();
    watch("fr");
    key(QEvent::KeyPress, Qt::Key_Comma, kMScan);
    EXPECT_EQ(only().keyCode, 46) << "the position counts, not the letter on it";
    EXPECT_EQ(only().characters, ",");
}

TEST_F(EventMonitorTest, ControlIsIgnoredAndShiftIsApplied) {
    watch();
    key(QEvent::KeyPress, Qt::Key_A, kAScan, Qt::ControlModifier);
    key(QEvent::KeyPress, Qt::Key_A, kAScan, Qt::ShiftModifier);
    key(QEvent::KeyPress, Qt::Key_A, kAScan, Qt::ControlModifier | Qt::AltModifier);
    key(QEvent::KeyPress, Qt::Key_NumberSign, kDigit3Scan, Qt::ShiftModifier);
    ASSERT_EQ(facts_.size(), 4u);
    EXPECT_EQ(facts_[0].characters, "a");
    EXPECT_EQ(facts_[0].keyCode, 0);
    EXPECT_EQ(facts_[1].characters, "A");
    EXPECT_EQ(facts_[2].characters, "a");
    EXPECT_EQ(facts_[3].characters, "#");
}

TEST_F(EventMonitorTest, OnAFrenchLayoutShiftWithTheDigitThreeKeyGivesTheDigit) {
    watch("fr");
    key(QEvent::KeyPress, Qt::Key_QuoteDbl, kDigit3Scan);
    key(QEvent::KeyPress, Qt::Key_3, kDigit3Scan, Qt::ShiftModifier);
    ASSERT_EQ(facts_.size(), 2u);
    EXPECT_EQ(facts_[0].characters, "\"");
    EXPECT_EQ(facts_[1].characters, "3");
}

TEST_F(EventMonitorTest, AHeldKeyRepeatsAsPressesOnlyAndItsFinalReleaseIsOne) {
    watch();
    disposition_ = InputDisposition::swallow;
    key(QEvent::KeyPress, Qt::Key_Escape, kEscapeScan);
    // X11's auto-repeat: a release and a press, both marked auto-repeat, again and again.
    for (int i = 0; i < 3; ++i) {
        key(QEvent::KeyRelease, Qt::Key_Escape, kEscapeScan, {}, true);
        key(QEvent::KeyPress, Qt::Key_Escape, kEscapeScan, {}, true);
    }
    key(QEvent::KeyRelease, Qt::Key_Escape, kEscapeScan);

    ASSERT_EQ(facts_.size(), 5u);
    EXPECT_FALSE(facts_[0].isAutoRepeat);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(facts_[i].kind, InputEvent::Kind::keyDown);
        EXPECT_TRUE(facts_[i].isAutoRepeat);
    }
    EXPECT_EQ(facts_[4].kind, InputEvent::Kind::keyUp);
    EXPECT_EQ(facts_[4].keyCode, 53);
    EXPECT_TRUE(widget_.seen.empty()) << "repeat releases never reach the widgets either";
}

TEST_F(EventMonitorTest, APressOfAKeyAlreadyDownIsAnAutoRepeatWhateverQtSays) {
    watch();
    // X11 with detectable auto-repeat: repeats come as presses alone, and Qt does not mark them.
    key(QEvent::KeyPress, Qt::Key_A, kAScan);
    key(QEvent::KeyPress, Qt::Key_A, kAScan);
    key(QEvent::KeyRelease, Qt::Key_A, kAScan);
    key(QEvent::KeyPress, Qt::Key_A, kAScan);
    ASSERT_EQ(facts_.size(), 4u);
    EXPECT_FALSE(facts_[0].isAutoRepeat);
    EXPECT_TRUE(facts_[1].isAutoRepeat);
    EXPECT_EQ(facts_[2].kind, InputEvent::Kind::keyUp);
    EXPECT_FALSE(facts_[3].isAutoRepeat) << "a new press after the release";
}

TEST_F(EventMonitorTest, KeysHeldWhenTheWindowLostTheKeyboardAreForgotten) {
    watch();
    widget_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&widget_));
    key(QEvent::KeyPress, Qt::Key_A, kAScan);

    // The release goes to another window.
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    widget_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&widget_));

    key(QEvent::KeyPress, Qt::Key_A, kAScan);
    ASSERT_EQ(facts_.size(), 2u);
    EXPECT_FALSE(facts_[1].isAutoRepeat);
}

TEST_F(EventMonitorTest, ModifierKeysAloneAreNotWatchedAndPassOn) {
    watch();
    disposition_ = InputDisposition::swallow;
    key(QEvent::KeyPress, Qt::Key_Shift, kLeftShiftScan);
    key(QEvent::KeyRelease, Qt::Key_Shift, kLeftShiftScan, Qt::ShiftModifier);
    EXPECT_TRUE(facts_.empty());
    EXPECT_EQ(widget_.seen, (std::vector{QEvent::KeyPress, QEvent::KeyRelease}));
}

TEST_F(EventMonitorTest, TheHandlerDecidesWhetherTheWidgetsSeeAnEvent) {
    watch();
    disposition_ = InputDisposition::swallow;
    key(QEvent::KeyPress, Qt::Key_A, kAScan);
    mouse(QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_TRUE(widget_.seen.empty());

    disposition_ = InputDisposition::passOn;
    key(QEvent::KeyPress, Qt::Key_A, kAScan);
    mouse(QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(widget_.seen, (std::vector{QEvent::KeyPress, QEvent::MouseButtonPress}));
    EXPECT_EQ(facts_.size(), 4u) << "the handler saw all four either way";
}

TEST_F(EventMonitorTest, MouseEventsBecomeTheWatchedKindsAtTheirWindowPosition) {
    watch();
    mouse(QEvent::MouseMove, {12.5, 40}, Qt::NoButton, Qt::NoButton);
    mouse(QEvent::MouseButtonPress, {13, 41}, Qt::LeftButton, Qt::LeftButton);
    mouse(QEvent::MouseMove, {50, 60}, Qt::NoButton, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, {51, 61}, Qt::LeftButton, Qt::NoButton);
    mouse(QEvent::MouseButtonPress, {70, 80}, Qt::RightButton, Qt::RightButton);
    mouse(QEvent::MouseMove, {71, 81}, Qt::NoButton, Qt::RightButton);
    mouse(QEvent::MouseButtonPress, {72, 82}, Qt::MiddleButton, Qt::MiddleButton);

    using Kind = InputEvent::Kind;
    const std::vector<std::pair<Kind, Point>> expected = {
        {Kind::pointerMoved, {12.5, 40}}, {Kind::leftDown, {13, 41}},
        {Kind::leftDragged, {50, 60}},    {Kind::leftUp, {51, 61}},
        {Kind::otherDown, {70, 80}},      {Kind::pointerMoved, {71, 81}},
        {Kind::otherDown, {72, 82}},
    };
    ASSERT_EQ(facts_.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(facts_[i].kind, expected[i].first) << i;
        EXPECT_EQ(facts_[i].surfacePoint, expected[i].second) << i;
    }
}

TEST_F(EventMonitorTest, OtherButtonReleasesAreNotWatched) {
    watch();
    mouse(QEvent::MouseButtonPress, {5, 5}, Qt::RightButton, Qt::RightButton);
    disposition_ = InputDisposition::swallow;
    mouse(QEvent::MouseButtonRelease, {5, 5}, Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(only().kind, InputEvent::Kind::otherDown);
    EXPECT_EQ(widget_.seen, (std::vector{QEvent::MouseButtonPress, QEvent::MouseButtonRelease}));
}

TEST_F(EventMonitorTest, ScrollingIsWatched) {
    watch();
    disposition_ = InputDisposition::swallow;
    QWheelEvent wheel({20, 30}, {20, 30}, {}, {0, 120}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    send(wheel);
    EXPECT_EQ(only().kind, InputEvent::Kind::scroll);
    EXPECT_TRUE(widget_.seen.empty());
}

TEST(KeyboardLayoutForDisplayTest, OffX11TheDefaultNamesGiveALayout) {
    EXPECT_TRUE(KeyboardLayout::forDisplay().isValid());
}

TEST_F(EventMonitorTest, KeysMadeByProgramsWithoutAScanCodeKeepTheirText) {
    watch();
    QKeyEvent event(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier, "b");
    send(event);
    EXPECT_EQ(only().keyCode, kUnknownKeyCode);
    EXPECT_EQ(only().characters, "b");
}

} // namespace
} // namespace wigglepad
