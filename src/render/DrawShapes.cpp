#include "DrawShapes.h"

#include "Fade.h"
#include "QtBridge.h"
#include "RenderCaches.h"

#include <QPainter>
#include <array>

namespace wigglepad {

namespace {

constexpr int kCircleKind = 0;
constexpr int kRoundedSquareKind = 1;
constexpr int kTriangleKind = 2;
constexpr qreal kAntialiasMargin = 1.0;
constexpr qreal kCornerRadiusPerSize = 0.2;
constexpr qreal kCharacterPointsPerSize = 0.95;

void drawCharacter(QPainter& painter, const PlayShape& shape, CharacterImageCache& characters) {
    const auto& rendered =
        characters.rendered(*shape.character, kCharacterPointsPerSize * shape.size,
                            toQColor(shape.color), devicePixelRatio(painter));
    painter.drawImage(toQPointF(shape.position) + rendered.offset, rendered.image);
}

void fillTriangle(QPainter& painter, qreal s) {
    const std::array<QPointF, 3> apexUp{QPointF(0, -s / 2), QPointF(s / 2, s / 2),
                                        QPointF(-s / 2, s / 2)};
    painter.drawConvexPolygon(apexUp.data(), static_cast<int>(apexUp.size()));
}

// A figure of side s in its colour, centred on the origin.
void paintFigure(QPainter& painter, int kind, qreal s, const QColor& color,
                 SquirclePathCache& squircles) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    if (kind == kCircleKind) {
        painter.drawEllipse(QPointF(0, 0), s / 2, s / 2);
    } else if (kind == kRoundedSquareKind) {
        painter.translate(-s / 2, -s / 2);
        painter.drawPath(squircles.path({s, s}, kCornerRadiusPerSize * s));
        painter.translate(s / 2, s / 2);
    } else {
        fillTriangle(painter, s);
    }
}

void drawFigure(QPainter& painter, const PlayShape& shape, RenderCaches& caches) {
    // Every kind other than the circle and the rounded square is drawn as the triangle.
    const int kind =
        shape.kind == kCircleKind || shape.kind == kRoundedSquareKind ? shape.kind : kTriangleKind;
    const qreal reach = shape.size / 2 + kAntialiasMargin;
    const QColor color = toQColor(shape.color);
    caches.figures.draw(painter, {kind, shape.size, color.rgba()}, toQPointF(shape.position),
                        QRectF(-reach, -reach, 2 * reach, 2 * reach), [&](QPainter& p) {
                            paintFigure(p, kind, shape.size, color, caches.squircles);
                        });
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
            drawFigure(painter, shape, caches);
        }
    }
}

} // namespace wigglepad
