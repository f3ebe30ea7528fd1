#pragma once

#include <span>

namespace wigglepad {

// Keeps the mix at or below a ceiling: the gain drops at once when a peak would pass it and
// recovers smoothly afterwards, so many sounds at once get quieter together instead of clipping.
class Limiter {
public:
    // `ceiling` in full-scale units; `releaseSeconds` is the recovery's time constant.
    Limiter(float ceiling, double releaseSeconds, double sampleRate);

    void process(std::span<float> samples);

private:
    float ceiling_;
    float release_;        // share of the envelope left after one sample
    float envelope_ = 0.f; // the recent peak level
};

} // namespace wigglepad
