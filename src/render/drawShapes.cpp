#include "drawShapes.h"

#include "Fade.h"
#include "QtBridge.h"
#include "RenderCaches.h"

#include <QPainter>
#include <array>

namespace wigglepad {

namespace {

constexpr int kCircleKind = 0;
constexpr int kRoundedSquareKind = 1;
constexpr qreal kCornerRadiusPerSize = 0.2;
constexpr qreal kCharacterPointsPerSize = 0.95;

void drawCharacter(QPainter& painter, const PlayShape& shape, CharacterImageCache& characters) {
    const auto& rendered =
        characters.rendered(*shape.character, kCharacterPointsPerSize * shape.size,
                            toQColor(shape.color), devicePixelRatio(painter));
    painter.drawImage(toQPointF(shape.position) + rendered.offset, rendered.image);
}

void fillTriangle(QPainter& painter, QPointF centre, qreal s) {
    const std::array<QPointF, 3> apexUp{centre + QPointF(0, -s / 2), centre + QPointF(s / 2, s / 2),
                                        centre + QPointF(-s / 2, s / 2)};
    painter.drawConvexPolygon(apexUp.data(), static_cast<int>(apexUp.size()));
}

void fillRoundedSquare(QPainter& painter, QPointF topLeft, qreal s, SquirclePathCache& squircles) {
    const QPainterPath path = squircles.path({s, s}, kCornerRadiusPerSize * s);
    painter.translate(topLeft);
    painter.drawPath(path);
    painter.translate(-topLeft);
}

void drawFigure(QPainter& painter, const PlayShape& shape, SquirclePathCache& squircles) {
    const QPointF centre = toQPointF(shape.position);
    const qreal s = shape.size;
    const QPointF topLeft = centre - QPointF(s / 2, s / 2);
    painter.setBrush(toQColor(shape.color));
    if (shape.kind == kCircleKind) {
        painter.drawEllipse(QRectF(topLeft, QSizeF(s, s)));
    } else if (shape.kind == kRoundedSquareKind) {
        fillRoundedSquare(painter, topLeft, s, squircles);
    } else {
        fillTriangle(painter, centre, s);
    }
}

} // namespace

void drawShapes(QPainter& painter, const std::vector<PlayShape>& shapes, TimeStamp now,
                RenderCaches& caches) {
    painter.setPen(Qt::NoPen);
    for (const PlayShape& shape : shapes) {
        const double alpha = shapeOpacity(shape, now);
        if (!isVisible(alpha)) {
            continue;
        }
        setElementOpacity(painter, alpha);
        if (shape.character) {
            drawCharacter(painter, shape, caches.characters);
        } else {
            drawFigure(painter, shape, caches.squircles);
        }
    }
}

} // namespace wigglepad
