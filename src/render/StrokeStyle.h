#pragma once

#include <QPen>

namespace wigglepad {

// Cap, join and dash of one kind of stroke; the width comes with each element.
struct StrokeStyle {
    Qt::PenCapStyle cap = Qt::FlatCap;
    Qt::PenJoinStyle join = Qt::MiterJoin;
    qreal dashOn = 0.0; // points; 0 draws a solid line
    qreal dashOff = 0.0;

    QPen pen(const QColor& color, qreal width) const;
};

inline constexpr StrokeStyle kBubbleRimStroke{Qt::FlatCap, Qt::MiterJoin};
inline constexpr StrokeStyle kRibbonBodyStroke{Qt::RoundCap, Qt::RoundJoin};
inline constexpr StrokeStyle kRibbonCoreStroke{Qt::RoundCap, Qt::MiterJoin};
inline constexpr StrokeStyle kDragPreviewStroke{Qt::RoundCap, Qt::MiterJoin, 12.0, 8.0};
inline constexpr StrokeStyle kTrailStroke{Qt::RoundCap, Qt::RoundJoin};
inline constexpr StrokeStyle kStarOutlineStroke{Qt::FlatCap, Qt::MiterJoin};

} // namespace wigglepad
