#pragma once

#include "AppState.h"
#include "FakeClock.h"
#include "FakeScreen.h"
#include "ScriptedRandomSource.h"
#include "SettingsStore.h"

namespace wigglepad {

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

} // namespace wigglepad
