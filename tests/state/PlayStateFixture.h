#pragma once

#include "AppState.h"
#include "FakeClock.h"
#include "FakeScreen.h"
#include "MemorySettingsStore.h"
#include "ScriptedRandomSource.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace wigglepad {

// One frame in the tests: a binary fraction, so times and ages compare exactly.
inline constexpr double kStep = 1.0 / 64.0;

using Ranges = std::vector<std::pair<double, double>>;

// The ranges of the draws made so far, in order; an integer draw below n shows as (0, n - 1).
inline Ranges drawnRanges(const ScriptedRandomSource& random) {
    Ranges result;
    for (const ScriptedRandomSource::Draw& d : random.draws())
        result.emplace_back(d.low, d.high);
    return result;
}

// A play state on a 1440 x 900 surface with a hand-driven clock, scripted draws and a count of
// its announcements.
class PlayStateFixture : public ::testing::Test {
protected:
    PlayStateFixture() {
        state.objectWillChange.subscribe([this] { ++announcements; });
    }

    // One frame step `dt` after the previous one, counting only its announcements.
    void step(double dt = kStep) {
        clock.advance(dt);
        announcements = 0;
        state.frameStep();
    }

    PlayShape& addShape(Point position, double size, Point velocity = {}) {
        PlayShape& shape = state.shapes.unannounced().emplace_back();
        shape.position = position;
        shape.size = size;
        shape.velocity = velocity;
        return shape;
    }
    PlayShape& shape(std::size_t index) { return state.shapes.unannounced().at(index); }
    void addBubble(Point position, double radius, Color color = {}) {
        state.bubbles.unannounced().push_back({{}, position, {}, color, radius});
    }

    FakeClock clock{1.0};
    FakeScreen screen;
    ScriptedRandomSource random;
    MemorySettingsStore settings;
    AppState state{clock, screen, random, settings};
    int announcements = 0;
};

} // namespace wigglepad
