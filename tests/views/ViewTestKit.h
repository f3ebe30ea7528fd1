#pragma once

// What the view tests share: the play state on fakes, the menu's text colours, and ways to add
// a bubble, find a button and type a key as a person would.
#include "AppState.h"
#include "FakeClock.h"
#include "FakeScreen.h"
#include "ScriptedRandomSource.h"
#include "SettingsStore.h"
#include "StyledButton.h"

#include <QApplication>
#include <QTest>
#include <stdexcept>

namespace wigglepad {

inline const QColor kInk = QColor::fromRgbF(0.18f, 0.18f, 0.24f);
inline const QColor kMuted = QColor::fromRgbF(0.45f, 0.45f, 0.52f);

// The one play state, read from `settings` as the program reads them at start, on fakes for
// the clock, the screen and the random draws.
struct PlayStateOnFakes {
    explicit PlayStateOnFakes(const SettingsStore& settings)
        : state(clock, screen, random, settings) {}

    FakeClock clock;
    FakeScreen screen;
    ScriptedRandomSource random;
    AppState state;
};

inline void addBubble(AppState& state, Point at, double radius) {
    state.bubbles.modify([&](auto& bubbles) {
        bubbles.push_back({{}, at, {}, {0.1, 0.3, 0.9, 1.0}, radius});
    });
}

inline StyledButton& button(const QWidget& parent, const char* text) {
    for (StyledButton* found : parent.findChildren<StyledButton*>())
        if (found->text() == QLatin1String(text))
            return *found;
    throw std::logic_error("no such button");
}

// Types `key` into the focused widget; returns the widget focused after it.
inline QWidget* type(Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key);
    return QApplication::focusWidget();
}

} // namespace wigglepad
