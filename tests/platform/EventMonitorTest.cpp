// Input on an offscreen kiosk window: Qt events in, plain facts out, the handler's word on
// whether the window's widgets see the event, and a lost activation told from a flicker.
#include "EventMonitor.h"

#include "ActivationWatcher.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>
#include <set>
#include <tuple>
#include <vector>

namespace wigglepad {
namespace {

// X11 key codes (evdev + 8), named by their place on a US keyboard.
constexpr quint32 kEscapeScan = 9, kAScan = 38, kSemicolonScan = 47, kLeftShiftScan = 50,
                  kMScan = 58;

// A widget that notes which input events reach it.
struct WitnessWidget final : QWidget {
    std::vector<QEvent::Type> seen;

    bool event(QEvent* event) override {
        static const std::set<QEvent::Type> watched = {
            QEvent::KeyPress,           QEvent::KeyRelease, QEvent::MouseButtonPress,
            QEvent::MouseButtonRelease, QEvent::MouseMove,  QEvent::Wheel};
        if (watched.contains(event->type()))
            seen.push_back(event->type());
        return QWidget::event(event);
    }
};

class EventMonitorTest : public ::testing::Test {
protected:
    EventMonitorTest() {
        widget_.setMouseTracking(true);
        widget_.show();
        watch("us");
    }

    void watch(const std::string& layout) {
        monitor_ = std::make_unique<EventMonitor>(
            *widget_.windowHandle(),
            std::make_unique<DisplayKeyboard>(KeyboardLayout::fromNames(layout)),
            [this](const InputEvent& e) {
                facts_.push_back(e);
                return disposition_;
            });
    }

    void send(QEvent&& event) { QCoreApplication::sendEvent(widget_.windowHandle(), &event); }

    void key(QEvent::Type type, int qtKey, quint32 scan, Qt::KeyboardModifiers modifiers = {},
             bool autoRepeat = false) {
        send(QKeyEvent(type, qtKey, modifiers, scan, 0, 0, QString(), autoRepeat));
    }

    void mouse(QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held) {
        send(QMouseEvent(type, at, at, button, held, Qt::NoModifier));
    }

    WitnessWidget widget_;
    std::unique_ptr<EventMonitor> monitor_;
    std::vector<InputEvent> facts_;
    InputDisposition disposition_ = InputDisposition::passOn;
};

TEST_F(EventMonitorTest, KeysReadAsTheirPositionAndTheCharactersShiftAloneGives) {
    const std::tuple<const char*, int, quint32, Qt::KeyboardModifiers, VirtualKeyCode, std::string,
                     bool>
        rows[] = {
            {"us", Qt::Key_Escape, kEscapeScan, {}, kEscapeKeyCode, "\x1b", false},
            {"us", Qt::Key_M, kMScan, {}, 46, "m", true},
            // The position is the key's, whatever it types; M is the key that types "m".
            {"fr", Qt::Key_Comma, kMScan, {}, 46, ",", false},
            {"fr", Qt::Key_M, kSemicolonScan, {}, 41, "m", true},
            {"us", Qt::Key_A, kAScan, Qt::ControlModifier, 0, "a", false},
            {"us", Qt::Key_A, kAScan, Qt::ShiftModifier, 0, "A", false},
        };
    for (const auto& [layout, qtKey, scan, modifiers, keyCode, characters, isMKey] : rows) {
        SCOPED_TRACE(std::string(layout) + " " + characters);
        watch(layout);
        facts_.clear();
        key(QEvent::KeyPress, qtKey, scan, modifiers);
        ASSERT_EQ(facts_.size(), 1u);
        EXPECT_EQ(facts_[0].kind, InputEvent::Kind::keyDown);
        EXPECT_EQ(facts_[0].keyCode, keyCode);
        EXPECT_EQ(facts_[0].characters, characters);
        EXPECT_EQ(facts_[0].isMKey, isMKey);
    }
    // Keys typed by programs have no scan code; their own text stands.
    facts_.clear();
    send(QKeyEvent(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier, "b"));
    ASSERT_EQ(facts_.size(), 1u);
    EXPECT_EQ(facts_[0].keyCode, kUnknownKeyCode);
    EXPECT_EQ(facts_[0].characters, "b");
}

TEST_F(EventMonitorTest, KeysHeldWhenTheWindowLostTheKeyboardAreForgotten) {
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

TEST_F(EventMonitorTest, TheHandlerDecidesWhetherTheWidgetsSeeAWatchedEvent) {
    key(QEvent::KeyPress, Qt::Key_A, kAScan);
    mouse(QEvent::MouseButtonPress, {5, 5}, Qt::RightButton, Qt::RightButton);
    key(QEvent::KeyRelease, Qt::Key_A, kAScan, {}, true); // X11's repeat: never passed on
    EXPECT_EQ(widget_.seen, (std::vector{QEvent::KeyPress, QEvent::MouseButtonPress}));
    mouse(QEvent::MouseMove, {6, 6}, Qt::NoButton, Qt::RightButton);
    EXPECT_EQ(facts_.back().kind, InputEvent::Kind::pointerMoved) << "only the left button drags";

    disposition_ = InputDisposition::swallow;
    widget_.seen.clear();
    key(QEvent::KeyRelease, Qt::Key_A, kAScan);
    mouse(QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
    // Modifiers alone and other buttons' releases are not watched and always pass on.
    key(QEvent::KeyPress, Qt::Key_Shift, kLeftShiftScan);
    mouse(QEvent::MouseButtonRelease, {5, 5}, Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(widget_.seen, (std::vector{QEvent::KeyPress, QEvent::MouseButtonRelease}));
    EXPECT_EQ(facts_.size(), 5u);
}

TEST(ActivationWatcherTest, AFlickerIsNotToldAndEachLastingLossIsToldOnceLater) {
    ActivationWatcher watcher;
    int told = 0;
    watcher.setHandler([&] { ++told; });
    watcher.applicationStateChanged(Qt::ApplicationInactive);
    watcher.applicationStateChanged(Qt::ApplicationActive);
    QTest::qWait(50);
    EXPECT_EQ(told, 0) << "a loss won back at once";
    for (int loss = 1; loss <= 2; ++loss) {
        watcher.applicationStateChanged(Qt::ApplicationInactive);
        EXPECT_EQ(told, loss - 1) << "not from inside the state change";
        ASSERT_TRUE(QTest::qWaitFor([&] { return told == loss; }, 5000));
        QTest::qWait(30);
        EXPECT_EQ(told, loss);
        watcher.applicationStateChanged(Qt::ApplicationActive);
    }
}

} // namespace
} // namespace wigglepad
