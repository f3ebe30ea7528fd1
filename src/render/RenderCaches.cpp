#include "RenderCaches.h"

namespace wigglepad {
namespace {

// A second of frames: long enough that whatever is still on the surface was drawn meanwhile,
// every phase of a drifting bubble included.
constexpr int kFramesPerSweep = 60;

} // namespace

void RenderCaches::frameDrawn() {
    if (++framesSinceSweep_ < kFramesPerSweep) {
        return;
    }
    framesSinceSweep_ = 0;
    squircles.sweep();
    characters.sweep();
    ribbons.sweep();
    bubbles.sweep();
    figures.sweep();
}

} // namespace wigglepad
