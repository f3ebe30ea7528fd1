#pragma once

#include "TimeStamp.h"

#include <QColor>
#include <QSizeF>

class QPainter;

namespace wigglepad {

class AppState;
struct RenderCaches;

// Paints one frame of the play surface: `size` is the canvas in surface points, `now` the
// frame's time from which every fade is derived, `bg` the surface colour, `caches` the pictures
// the caller keeps from frame to frame. Returns once the frame is painted; reads the state and
// never changes it. Call it on the main thread, one frame at a time.
void drawPlaySurface(QPainter& painter, QSizeF size, TimeStamp now, const AppState& state,
                     const QColor& bg, RenderCaches& caches);

} // namespace wigglepad
