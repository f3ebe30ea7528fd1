#include "PaintPlaySurface.h"

#include "AppState.h"
#include "DrawBubbles.h"
#include "DrawCursorMarker.h"
#include "DrawHoldBars.h"
#include "DrawRibbons.h"
#include "DrawShapes.h"
#include "DrawTrail.h"
#include "QtBridge.h"
#include "RenderCaches.h"

#include <QPainter>

namespace wigglepad {

void paintPlaySurface(QPainter& painter, QSizeF size, TimeStamp now, const AppState& state,
                      const QColor& bg, RenderCaches& caches) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setOpacity(1.0);
    painter.fillRect(QRectF(QPointF(0, 0), size), bg);

    const QColor cursorColor = toQColor(state.currentTrailColor());
    drawBubbles(painter, state.bubbles.get(), caches.bubbles);
    drawBubbleParticles(painter, state.bubbleParticles.get(), now);
    drawShapes(painter, state.shapes.get(), now, caches);
    drawRibbons(painter, state.ribbons.get(), now, caches.ribbons);
    drawDragPreview(painter, state.dragStart.get(), state.dragCurrent.get(), cursorColor);
    drawTrail(painter, state.trail.get(), now);
    drawCursorMarker(painter, state.cursorPosition.get(), cursorColor);
    drawHoldBars(painter, size, state.menuHoldProgress.get(), state.exitProgress.get(),
                 caches.squircles);
    painter.restore();
    caches.frameDrawn();
}

} // namespace wigglepad
