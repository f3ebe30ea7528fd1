#pragma once

#include "Clock.h"
#include "RandomSource.h"
#include "SurfaceSize.h"

#include <cstdint>

namespace wigglepad {

class AppState;

// Keeps a running play surface as full as busy play makes it, the way a child's input would,
// through the state's own spawning calls: 40 shapes of which 15 characters, 300 trail points
// behind a moving cursor, 15 ribbons, 100 particles and 8 bubbles. Call feed() once per tick.
class PlayFeeder {
public:
    PlayFeeder(AppState& state, const Clock& clock, RandomSource& random, SurfaceSize surface);

    // Fills every list at once, then keeps it full.
    void fillUp();
    void feed();
    // Brings the bubbles back to eight, anywhere on the surface.
    void topUpBubbles();

private:
    void spawnFigure();
    void drawRibbon();
    void moveCursor();
    void burstParticles();

    AppState& state_;
    const Clock& clock_;
    RandomSource& random_;
    SurfaceSize surface_;
    std::int64_t ticks_ = 0;
    std::int64_t figures_ = 0;
};

} // namespace wigglepad
