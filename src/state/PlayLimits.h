#pragma once

#include <cstddef>

namespace wigglepad {

// How long each kind of play record lives and how many of each are kept. The frame step prunes
// by these and the renderer fades by them, so a record has faded out when it is removed.

// Lifetimes, in seconds.
inline constexpr double kParticleLife = 0.6;   // a burst is a brief sparkle, expired every frame
inline constexpr double kTrailPointLife = 2.0; // the trail follows the hand, not its history
inline constexpr double kRibbonLife = 4.0;     // long enough to admire, short enough to draw again
inline constexpr double kShapeFade = 3.0;      // a shape fades out over its last seconds
inline constexpr double kSettledShapeLife = kShapeFade; // at rest on the floor, it fades at once
inline constexpr double kUnsettledShapeLife = 18.0;     // one that never comes to rest goes too

// Caps: past these the oldest records make way, so the frame step's work stays bounded.
inline constexpr std::size_t kMostShapes = 40;  // figures and characters together
inline constexpr std::size_t kMostRibbons = 15; // room to scribble, never a buried surface
inline constexpr std::size_t kMostTrailPoints =
    300; // bounds the trail of a pointer that reports fast
inline constexpr std::size_t kMostParticles = 100; // about eight bursts at once
inline constexpr std::size_t kMostBubbles = 8;     // none enter while this many drift about

} // namespace wigglepad
