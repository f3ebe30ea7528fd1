#include "CanvasDamage.h"

#include "AppState.h"

namespace wigglepad {

namespace {

// Anything but bubbles: figures, the trail, ribbons, particles, the cursor, a drag under way
// or a hold bar. Their extents are the renderer's business; the canvas repaints them whole.
bool showsMoreThanBubbles(const AppState& state) {
    return !state.shapes.get().empty() || !state.trail.get().empty() ||
           !state.ribbons.get().empty() || !state.bubbleParticles.get().empty() ||
           state.cursorPosition.get() || (state.dragStart.get() && state.dragCurrent.get()) ||
           state.exitProgress.get() > 0.0 || state.menuHoldProgress.get() > 0.0;
}

QRegion bubbleSquares(const AppState& state) {
    QRegion squares;
    for (const Bubble& bubble : state.bubbles.get()) {
        const double reach = bubble.radius + CanvasDamage::kBubbleMargin;
        squares +=
            QRectF(bubble.position.x - reach, bubble.position.y - reach, 2 * reach, 2 * reach)
                .toAlignedRect();
    }
    return squares;
}

} // namespace

QRegion CanvasDamage::next(const AppState& state, QSize size) {
    const QRegion content =
        showsMoreThanBubbles(state) ? QRegion(QRect(QPoint(), size)) : bubbleSquares(state);
    const QRegion damage = (content + previous_) & QRect(QPoint(), size);
    previous_ = content;
    return damage;
}

} // namespace wigglepad
