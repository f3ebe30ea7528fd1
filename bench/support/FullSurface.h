#pragma once

#include "AppState.h"
#include "FakeClock.h"
#include "FakeScreen.h"
#include "MemorySettingsStore.h"
#include "RenderCaches.h"
#include "ScriptedRandomSource.h"

#include <QSizeF>

namespace wigglepad {

// A play surface as busy as play makes it: 8 bubbles, 100 particles, 40 shapes of which 15
// are characters, 15 ribbons 200 to 600 points long, 300 trail points, a drag under way, the
// cursor and both hold bars. Every record is alive at `now()`.
class FullSurface {
public:
    explicit FullSurface(QSizeF size);

    const AppState& state() const { return state_; }
    TimeStamp now() const { return clock_.now(); }
    // The pictures a canvas showing this surface keeps from frame to frame.
    RenderCaches& caches() const { return caches_; }

private:
    FakeClock clock_;
    FakeScreen screen_;
    ScriptedRandomSource random_;
    MemorySettingsStore settings_;
    AppState state_;
    mutable RenderCaches caches_{
        QStringLiteral("Nunito")}; // the face the benchmarks' main registers
};

} // namespace wigglepad
