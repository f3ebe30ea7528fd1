#pragma once

#include <span>

namespace wigglepad {

// One sound asked of the mixer. Plain data, copied through the event queue.
struct SoundEvent {
    enum class Kind {
        tone,  // a soft mallet note at `frequency`
        glide, // a soft rising sweep, for a ribbon
        pop,   // a short bright blip, for a bubble
        speech // `clip` played once
    };
    Kind kind = Kind::tone;
    double frequency = 0.0;      // tone only, Hz
    std::span<const float> clip; // speech only, at the mixer's rate; must outlive the playing
};

} // namespace wigglepad
