#pragma once

#include <cstddef>

namespace wigglepad {

// How long each kind of play record lives and how many of each are kept. The frame step prunes
// by these and the renderer fades by them, so a record has faded out when it is removed.

// Lifetimes, in seconds: long enough to see what a gesture made, short enough that the surface
// clears for the next one.
inline constexpr double kParticleLife = 0.6;   // a burst is a brief sparkle
inline constexpr double kTrailPointLife = 2.0; // the trail follows the hand, not its history
inline constexpr double kRibbonLife = 4.0;     // a drag takes longer to make than a key press
inline constexpr double kShapeFade = 3.0;      // a shape fades out over its last seconds
inline constexpr double kSettledShapeLife = kShapeFade; // once at rest, it starts fading
inline constexpr double kUnsettledShapeLife = 18.0;     // one the cursor keeps moving goes too

// Caps: past these the oldest records make way, so a frame's work stays bounded.
inline constexpr std::size_t kMostShapes = 40;       // figures and characters together
inline constexpr std::size_t kMostRibbons = 15;      // a scribble never buries the surface
inline constexpr std::size_t kMostTrailPoints = 300; // the trail of a fast-reporting pointer
inline constexpr std::size_t kMostParticles = 100;   // about eight bursts at once
inline constexpr std::size_t kMostBubbles = 8;       // none enter while this many drift about

} // namespace wigglepad
