#include "Bubble.h"

#include "Palette.h"
#include "RandomSource.h"

#include <cmath>
#include <numbers>

namespace wigglepad {

namespace {

constexpr double kSmallestRadius = 28.0;
constexpr double kLargestRadius = 55.0;
constexpr double kSlowestDrift = 20.0; // points per second
constexpr double kFastestDrift = 45.0;
constexpr std::int64_t kEdgeCount = 4;

enum Edge : std::int64_t { left = 0, right = 1, top = 2, bottom = 3 };

// Just outside the edge, one radius away, at a random place along it. On a surface narrower
// than the bubble the place along the edge is its middle.
Point placeOutside(std::int64_t edge, double radius, SurfaceSize surface, RandomSource& random) {
    const double width = surface.width;
    const double height = surface.height;
    switch (edge) {
    case left:
        return {-radius, random.uniformRealClamped(radius, height - radius)};
    case right:
        return {width + radius, random.uniformRealClamped(radius, height - radius)};
    case top:
        return {random.uniformRealClamped(radius, width - radius), -radius};
    default:
        return {random.uniformRealClamped(radius, width - radius), height + radius};
    }
}

} // namespace

Bubble Bubble::enteringFromEdge(SurfaceSize surface, RandomSource& random) {
    Bubble bubble;
    bubble.id = Uuid::random();
    bubble.radius = random.uniformReal(kSmallestRadius, kLargestRadius);
    const std::int64_t edge = random.uniformInt(kEdgeCount);
    bubble.position = placeOutside(edge, bubble.radius, surface, random);
    // Not aimed inwards: the frame step's wall rule turns an outward drift back.
    const double speed = random.uniformReal(kSlowestDrift, kFastestDrift);
    const double angle = random.uniformReal(0.0, 2.0 * std::numbers::pi);
    bubble.velocity = {speed * std::cos(angle), speed * std::sin(angle)};
    bubble.color = randomPaletteColor(random);
    return bubble;
}

} // namespace wigglepad
