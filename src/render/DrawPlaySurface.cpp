#include "DrawPlaySurface.h"

#include "PaintOnPoolThread.h"
#include "PaintPlaySurface.h"

namespace wigglepad {

void drawPlaySurface(QPainter& painter, QSizeF size, TimeStamp now, const AppState& state,
                     const QColor& bg, RenderCaches& caches) {
    paintOnPoolThread(painter, [&] { paintPlaySurface(painter, size, now, state, bg, caches); });
}

} // namespace wigglepad
