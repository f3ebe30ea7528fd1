#pragma once

#include <QRegion>
#include <QSize>

namespace wigglepad {

class AppState;

// Where the next frame of the play surface can differ from the one on screen. While a child
// plays, nearly everything moves or fades, so the whole canvas is repainted; but while nobody
// plays only the bubbles drift past the resting cursor, and repainting the squares they and the
// cursor cover now and covered in the previous frame, rather than the whole screen, is what
// keeps an idle kiosk cheap.
class CanvasDamage {
public:
    // Extent of a drawn bubble beyond its radius: the rim's half width, the antialiasing and
    // the rounding of the sprite's place, with room to spare.
    static constexpr double kBubbleMargin = 3.0;
    // Extent of the cursor's drawing beyond its glow, for the same reasons.
    static constexpr double kCursorMargin = 3.0;

    // The part of a canvas of `size` to repaint for the state as it is now; empty when nothing
    // on it can have changed. Remembers what this frame shows for the next call.
    QRegion next(const AppState& state, QSize size);

    // The next frame repaints the whole canvas.
    void invalidate() { previous_ = kEverything; }

private:
    static constexpr QRect kEverything{0, 0, 1 << 24, 1 << 24};

    QRegion previous_ = kEverything; // where the previous frame had anything to show
};

} // namespace wigglepad
