#include "drawPlaySurface.h"

#include "paintOnPoolThread.h"
#include "paintPlaySurface.h"

namespace wigglepad {

void drawPlaySurface(QPainter& painter, QSizeF size, TimeStamp now, const AppState& state,
                     const QColor& bg, RenderCaches& caches) {
    paintOnPoolThread(painter, [&] { paintPlaySurface(painter, size, now, state, bg, caches); });
}

} // namespace wigglepad
