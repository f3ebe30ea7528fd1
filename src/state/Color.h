#pragma once

namespace wigglepad {

// A gamma-encoded sRGB colour; every component in 0...1.
struct Color {
    double red = 0.0;
    double green = 0.0;
    double blue = 0.0;
    double opacity = 1.0;

    constexpr Color withOpacity(double factor) const {
        return {red, green, blue, opacity * factor};
    }
    friend constexpr bool operator==(const Color&, const Color&) = default;
};

} // namespace wigglepad
