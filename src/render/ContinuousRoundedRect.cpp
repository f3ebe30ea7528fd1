#include "ContinuousRoundedRect.h"

#include <QPointF>
#include <algorithm>
#include <array>

namespace wigglepad {

namespace {

// One corner is two mirrored cubic curves meeting on the corner's diagonal. Each starts on the
// edge with its first control points on the edge's line, which makes the curvature zero there;
// the mirror symmetry matches their curvature where they meet. Distances in radii from the
// corner point, along the edges.
constexpr qreal kCornerExtent = 1.5; // where the curve leaves the straight edge
constexpr qreal kOuterControl = 1.0; // first control point, on the edge
constexpr qreal kInnerControl = 0.6; // second control point, on the edge
constexpr qreal kApexOffset = 0.3;   // the diagonal point, close to a circular arc's 0.293
static_assert(kInnerControl == 2 * kApexOffset, "keeps the two halves' tangents continuous");

struct Corner {
    QPointF point;  // the sharp corner
    QPointF inward; // direction of travel along the edge that arrives at the corner
    QPointF onward; // direction of travel along the edge that leaves it
};

void addCorner(QPainterPath& path, const Corner& c, qreal r) {
    path.lineTo(c.point - c.inward * (kCornerExtent * r));
    path.cubicTo(c.point - c.inward * (kOuterControl * r), c.point - c.inward * (kInnerControl * r),
                 c.point + (c.onward - c.inward) * (kApexOffset * r));
    path.cubicTo(c.point + c.onward * (kInnerControl * r), c.point + c.onward * (kOuterControl * r),
                 c.point + c.onward * (kCornerExtent * r));
}

} // namespace

QPainterPath continuousRoundedRect(QSizeF size, qreal radius) {
    const qreal w = size.width();
    const qreal h = size.height();
    QPainterPath path;
    if (w <= 0.0 || h <= 0.0) {
        return path;
    }
    const qreal r = std::min(std::max(radius, 0.0), std::min(w, h) / (2.0 * kCornerExtent));
    if (r <= 0.0) {
        path.addRect(0.0, 0.0, w, h);
        return path;
    }
    const QPointF right(1, 0), down(0, 1), left(-1, 0), up(0, -1);
    const std::array<Corner, 4> corners{
        {{{w, 0}, right, down}, {{w, h}, down, left}, {{0, h}, left, up}, {{0, 0}, up, right}}};
    path.moveTo(kCornerExtent * r, 0.0);
    for (const Corner& corner : corners) {
        addCorner(path, corner, r);
    }
    path.closeSubpath();
    return path;
}

} // namespace wigglepad
