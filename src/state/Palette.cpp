#include "Palette.h"

#include "RandomSource.h"

namespace wigglepad {

namespace {

// Trail points that share one colour before the trail moves on to the next.
constexpr std::int64_t kTrailPointsPerColor = 20;

constexpr std::array<Color, kPaletteSize> kPalette{{
    {0.95, 0.76, 0.76, 1.0},
    {0.76, 0.85, 0.95, 1.0},
    {0.78, 0.89, 0.78, 1.0},
    {0.85, 0.76, 0.95, 1.0},
    {0.95, 0.93, 0.76, 1.0},
    {0.95, 0.85, 0.76, 1.0},
}};

} // namespace

const std::array<Color, kPaletteSize>& palette() {
    return kPalette;
}

Color randomPaletteColor(RandomSource& random) {
    const auto index = random.uniformInt(static_cast<std::int64_t>(kPaletteSize));
    return kPalette[static_cast<std::size_t>(index)];
}

Color trailColor(std::int64_t trailPointIndex) {
    const auto count = static_cast<std::int64_t>(kPaletteSize);
    // The floored remainder keeps any index, even a negative one, inside the palette.
    const std::int64_t entry = ((trailPointIndex / kTrailPointsPerColor) % count + count) % count;
    return kPalette[static_cast<std::size_t>(entry)];
}

} // namespace wigglepad
