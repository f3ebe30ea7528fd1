#pragma once

// A delegate launched on fakes, its kiosk window offscreen, with input sent through the same
// event filter the real window uses, and a witness of which events then reached the views.
#include "AppDelegate.h"
#include "FakeClock.h"
#include "FakeScreen.h"
#include "KioskWindow.h"
#include "ManualTimerService.h"
#include "MemorySettingsStore.h"
#include "NotificationCenter.h"
#include "SavedMode.h"
#include "ScriptedRandomSource.h"
#include "ShellRecorder.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWheelEvent>
#include <QWindow>
#include <gtest/gtest.h>

namespace wigglepad {

// A key by its X11 key code (evdev + 8, US positions) and the Qt key widgets act on.
struct Key {
    quint32 scan;
    Qt::Key qt;
};
inline constexpr Key kEscape{9, Qt::Key_Escape}, kM{58, Qt::Key_M}, kA{38, Qt::Key_A};

// Counts the input events that reach a widget, which they do only when passed on.
struct ViewWitness final : QObject {
    bool eventFilter(QObject* watched, QEvent* event) override {
        seen += watched->isWidgetType() && event->isInputEvent();
        return false;
    }
    int seen = 0;
};

// The delegate's services on fakes, and its launch as the program entry does it.
class DelegateOnFakes : public ::testing::Test {
public:
    AppDelegate::Services services() {
        return {shell, timers, notifications, settings, clock, screen, random};
    }
    AppDelegate& launch() {
        delegate = std::make_shared<AppDelegate>(services());
        shell.setTerminationDelegate(delegate->terminationDelegate());
        EXPECT_TRUE(delegate->applicationDidFinishLaunching());
        return *delegate;
    }

    FakeClock clock;
    FakeScreen screen{SurfaceSize{1024, 640}};
    ScriptedRandomSource random;
    MemorySettingsStore settings;
    ShellRecorder shell;
    ManualTimerService timers{&clock};
    NotificationCenter notifications;
    std::shared_ptr<AppDelegate> delegate;
};

// With a mode saved, so the play surface shows at once, and the banner put away.
class LaunchedDelegate : public DelegateOnFakes {
public:
    LaunchedDelegate() {
        saveMode(settings, PlayMode::sensory);
        launch().state().showBanner.set(false);
        QCoreApplication::processEvents();
        qApp->installEventFilter(&witness);
    }
    ~LaunchedDelegate() override { qApp->removeEventFilter(&witness); }

    AppState& state() { return delegate->state(); }
    QWindow& window() { return delegate->window()->handle(); }

    // Each sender says whether the event reached the views.
    bool send(QEvent&& event) {
        const int before = witness.seen;
        QCoreApplication::sendEvent(&window(), &event);
        return witness.seen > before;
    }
    bool key(QEvent::Type type, Key key, bool autoRepeat = false,
             Qt::KeyboardModifiers modifiers = {}) {
        return send(QKeyEvent(type, key.qt, modifiers, key.scan, 0, 0, {}, autoRepeat));
    }
    bool down(Key k, bool autoRepeat = false) { return key(QEvent::KeyPress, k, autoRepeat); }
    bool up(Key k, bool autoRepeat = false) { return key(QEvent::KeyRelease, k, autoRepeat); }
    bool mouse(QEvent::Type type, QPointF at, Qt::MouseButton button = Qt::NoButton,
               Qt::MouseButtons held = {}) {
        return send(QMouseEvent(type, at, at, button, held, Qt::NoModifier));
    }
    bool scroll(QPointF at) {
        return send(QWheelEvent(at, at, {}, {0, 120}, {}, {}, Qt::NoScrollPhase, false));
    }
    void click(QPointF from, QPointF to) {
        mouse(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, to, Qt::LeftButton);
    }
    void advance(double seconds) { timers.advance(TimerService::Seconds{seconds}); }

    ViewWitness witness;
};

} // namespace wigglepad
