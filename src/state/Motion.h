#pragma once

#include "Bubble.h"
#include "PlayShape.h"
#include "Point.h"
#include "SurfaceSize.h"
#include "TimeStamp.h"

namespace wigglepad {

// How the frame step moves the records it changes in place, one record and one frame of `dt`
// seconds at a time.

// Gravity and motion; the walls, the floor and the ceiling bounce the shape back at half speed,
// and a slow shape just above the floor comes to rest there at `now`. For unsettled shapes.
void fall(PlayShape& shape, double dt, SurfaceSize surface, TimeStamp now);

// Pushes a shape in reach straight away from the cursor, strongest next to it, adds a share of a
// fast cursor's own motion, and wakes a resting shape. The new velocity moves it next frame.
void pushAway(PlayShape& shape, Point cursor, Point cursorVelocity, double dt);

// Bubbles never lose speed and are never clamped: one outside the surface turns inwards.
void drift(Bubble& bubble, double dt, SurfaceSize surface);

} // namespace wigglepad
