#pragma once

#include <QSizeF>

class QPainter;

namespace wigglepad {

class SquirclePathCache;

// The progress of the two hold gestures: M's bar in the top-left corner, Escape's in the
// top-right. A bar shows only while its progress is above 0.
void drawHoldBars(QPainter& painter, QSizeF size, double menuHoldProgress, double exitProgress,
                  SquirclePathCache& squircles);

} // namespace wigglepad
