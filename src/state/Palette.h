#pragma once

#include "Color.h"

#include <array>
#include <cstdint>

namespace wigglepad {

class RandomSource;

inline constexpr std::size_t kPaletteSize = 6;

// The six soft play colours, opaque, in their fixed order.
const std::array<Color, kPaletteSize>& palette();

// One of the six, each with probability 1/6 (one integer draw).
Color randomPaletteColor(RandomSource& random);

// The colour of the n-th trail point ever made: it changes every 20 points and cycles every 120.
Color trailColor(std::int64_t trailPointIndex);

} // namespace wigglepad
