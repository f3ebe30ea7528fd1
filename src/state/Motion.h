#pragma once

#include "Bubble.h"
#include "PlayShape.h"
#include "Point.h"
#include "SurfaceSize.h"
#include "TimeStamp.h"

#include <span>

namespace wigglepad {

// How the frame step moves the records it changes in place, over one frame of `dt` seconds.

// Gravity and motion for every shape not at rest; the walls, the floor and the ceiling bounce a
// shape back at half speed, and a slow shape just above the floor comes to rest there at `now`.
void fall(std::span<PlayShape> shapes, double dt, SurfaceSize surface, TimeStamp now);

// Pushes each shape in reach straight away from the cursor, strongest next to it, adds a share of
// a fast cursor's own motion, and wakes a resting shape. The new velocity moves it next frame.
void pushAway(std::span<PlayShape> shapes, Point cursor, Point cursorVelocity, double dt);

// Bubbles never lose speed and are never clamped: one outside the surface turns inwards.
void drift(std::span<Bubble> bubbles, double dt, SurfaceSize surface);

} // namespace wigglepad
