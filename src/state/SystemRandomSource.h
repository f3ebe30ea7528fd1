#pragma once

#include "RandomSource.h"

#include <random>

namespace wigglepad {

// Uniform draws from a generator seeded once by the system's random device, or from a given
// seed where a run must be repeatable.
class SystemRandomSource final : public RandomSource {
public:
    SystemRandomSource();
    explicit SystemRandomSource(std::uint64_t seed);
    double uniformReal(double low, double high) override;
    std::int64_t uniformInt(std::int64_t bound) override;

private:
    std::mt19937_64 engine_;
};

} // namespace wigglepad
