#pragma once

#include "TimeStamp.h"

#include <QColor>
#include <QSizeF>

class QPainter;

namespace wigglepad {

class AppState;
struct RenderCaches;

// One frame of the play surface painted on the calling thread, bottom to top: background,
// bubbles, particles, shapes and characters, ribbons, drag preview, trail, cursor, hold bars.
// Reads the state, never writes it; leaves the painter's state as it found it.
void paintPlaySurface(QPainter& painter, QSizeF size, TimeStamp now, const AppState& state,
                      const QColor& bg, RenderCaches& caches);

} // namespace wigglepad
