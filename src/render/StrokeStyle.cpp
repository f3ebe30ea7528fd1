#include "StrokeStyle.h"

namespace wigglepad {

namespace {

// A miter may reach ten line widths from inner to outer corner. Qt measures it from the join
// point, which lies halfway, so its limit is half that ratio.
constexpr qreal kMiterLimit = 10.0 / 2.0;

} // namespace

QPen StrokeStyle::pen(const QColor& color, qreal width) const {
    QPen pen(color, width, Qt::SolidLine, cap, join);
    pen.setMiterLimit(kMiterLimit);
    if (dashOn > 0.0 && width > 0.0) {
        // Qt counts dash lengths in line widths.
        pen.setDashPattern({dashOn / width, dashOff / width});
        pen.setDashOffset(0.0);
    }
    return pen;
}

} // namespace wigglepad
