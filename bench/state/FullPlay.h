#pragma once

#include "AppState.h"
#include "FakeClock.h"
#include "FakeScreen.h"
#include "MemorySettingsStore.h"
#include "SystemRandomSource.h"

#include <cstdint>
#include <vector>

namespace wigglepad {

// A play state with every list at its cap (40 shapes, 8 bubbles, 100 particles, 300 trail points,
// 15 ribbons), one subscriber, and the cursor circling the middle of a 1440 x 900 surface, where
// the bubbles start on a ring of radius 300 round the same centre.
class FullPlay {
public:
    // A cursor circle of radius 300 runs through the bubble ring and pops bubbles; one of radius
    // 150 stays clear of it, so all eight bubbles stay.
    explicit FullPlay(double cursorCircleRadius);

    // One 60 Hz tick: the clock moves on, the cursor moves along its circle, the frame steps.
    void frame();
    // Puts the short-lived play back as it was: young particles, the bubble ring, falling shapes.
    void refill();
    // The pointer at the cursor's next place on its circle.
    Point nextCursorPoint();

    AppState& state() { return state_; }
    std::int64_t announcements() const { return announcements_; }

private:
    void fillParticles();

    FakeClock clock_;
    FakeScreen screen_;
    SystemRandomSource random_;
    MemorySettingsStore settings_;
    AppState state_{clock_, screen_, random_, settings_};
    std::vector<PlayShape> fallingShapes_;
    std::vector<Bubble> bubbleRing_;
    double cursorCircleRadius_;
    std::int64_t cursorSteps_ = 0;
    std::int64_t announcements_ = 0;
};

} // namespace wigglepad
