#pragma once

#include <cstdint>

namespace wigglepad {

// Uniform, independent draws. Callers guarantee low <= high and bound >= 1.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A real from the closed interval [low, high].
    virtual double uniformReal(double low, double high) = 0;
    // An integer from 0 to bound - 1, each equally likely.
    virtual std::int64_t uniformInt(std::int64_t bound) = 0;

    // A real from [low, high], where a surface too small for its range may make low > high: the
    // empty range shrinks to its centre, and the draw is still made so later draws keep their turn.
    double uniformRealClamped(double low, double high) {
        if (low > high) {
            low = high = (low + high) * 0.5;
        }
        return uniformReal(low, high);
    }
};

} // namespace wigglepad
