#include "CanvasDamage.h"

#include "AppState.h"
#include "DrawCursorMarker.h"

namespace wigglepad {

namespace {

// Anything but bubbles and the cursor: figures, the trail, ribbons, particles, a drag under
// way or a hold bar. Their extents are the renderer's business; the canvas repaints them whole.
bool showsMoreThanBubbles(const AppState& state) {
    return !state.shapes.get().empty() || !state.trail.get().empty() ||
           !state.ribbons.get().empty() || !state.bubbleParticles.get().empty() ||
           (state.dragStart.get() && state.dragCurrent.get()) || state.exitProgress.get() > 0.0 ||
           state.menuHoldProgress.get() > 0.0;
}

QRect squareAround(Point centre, double reach) {
    return QRectF(centre.x - reach, centre.y - reach, 2 * reach, 2 * reach).toAlignedRect();
}

QRegion bubbleAndCursorSquares(const AppState& state) {
    QRegion squares;
    for (const Bubble& bubble : state.bubbles.get()) {
        squares += squareAround(bubble.position, bubble.radius + CanvasDamage::kBubbleMargin);
    }
    if (const std::optional<Point> cursor = state.cursorPosition.get()) {
        squares += squareAround(*cursor, kCursorMarkerReach + CanvasDamage::kCursorMargin);
    }
    return squares;
}

} // namespace

QRegion CanvasDamage::next(const AppState& state, QSize size) {
    const QRegion content = showsMoreThanBubbles(state) ? QRegion(QRect(QPoint(), size))
                                                        : bubbleAndCursorSquares(state);
    const QRegion damage = (content + previous_) & QRect(QPoint(), size);
    previous_ = content;
    return damage;
}

} // namespace wigglepad
