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
};

} // namespace wigglepad
