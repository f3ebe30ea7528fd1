#include "drawPlaySurface.h"

#include "RenderCaches.h"
#include "paintOnPoolThread.h"
#include "paintPlaySurface.h"

namespace wigglepad {

namespace {

// Shared by every frame; only the one thread painting the current frame touches them.
RenderCaches& sharedCaches() {
    static RenderCaches caches;
    return caches;
}

} // namespace

void drawPlaySurface(QPainter& painter, QSizeF size, TimeStamp now, const AppState& state,
                     const QColor& bg) {
    paintOnPoolThread(painter,
                      [&] { paintPlaySurface(painter, size, now, state, bg, sharedCaches()); });
}

} // namespace wigglepad
