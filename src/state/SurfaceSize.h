#pragma once

namespace wigglepad {

// The play surface's extent in points.
struct SurfaceSize {
    double width = 0.0;
    double height = 0.0;

    friend constexpr bool operator==(SurfaceSize, SurfaceSize) = default;
};

// What the play assumes when no main screen is known.
inline constexpr SurfaceSize kFallbackSurfaceSize{1440.0, 900.0};

} // namespace wigglepad
