#include "Limiter.h"

#include <algorithm>
#include <cmath>

namespace wigglepad {

Limiter::Limiter(float ceiling, double releaseSeconds, double sampleRate)
    : ceiling_(ceiling)
    , release_(static_cast<float>(std::exp(-1.0 / (releaseSeconds * sampleRate)))) {}

void Limiter::process(std::span<float> samples) {
    for (float& sample : samples) {
        envelope_ = std::max(std::abs(sample), envelope_ * release_);
        if (envelope_ > ceiling_)
            sample *= ceiling_ / envelope_;
    }
}

} // namespace wigglepad
