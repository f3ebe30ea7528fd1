#include "DrawBubbles.h"

#include "Fade.h"
#include "QtBridge.h"
#include "SpriteCache.h"
#include "StrokeStyle.h"

#include <QPainter>

namespace wigglepad {

namespace {

constexpr double kBodyOpacity = 0.5;
constexpr double kHighlightOpacity = 0.3;
constexpr double kRimOpacity = 0.3;
constexpr qreal kRimWidth = 1.5;
// The highlight: a disc of 0.4 radii centred 0.35 radii above the bubble's centre.
constexpr qreal kHighlightDiameter = 0.4;
constexpr qreal kHighlightLift = 0.35;
constexpr qreal kAntialiasMargin = 1.0;
constexpr int kBubbleSprite = 0;

QRectF circle(QPointF centre, qreal diameter) {
    return {centre.x() - diameter / 2, centre.y() - diameter / 2, diameter, diameter};
}

void fillEllipse(QPainter& painter, const QRectF& rect, const QColor& color) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawEllipse(rect);
}

// The bubble around the origin; its three parts keep fixed opacities, so the bubble is the
// same picture wherever it drifts.
void paintBubble(QPainter& painter, qreal r, const QColor& color) {
    const QRectF body = circle({0, 0}, 2 * r);
    setElementOpacity(painter, kBodyOpacity);
    fillEllipse(painter, body, color);
    setElementOpacity(painter, kHighlightOpacity);
    fillEllipse(painter, circle({0, -kHighlightLift * r}, kHighlightDiameter * r), Qt::white);
    setElementOpacity(painter, kRimOpacity);
    painter.setPen(kBubbleRimStroke.pen(Qt::white, kRimWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(body);
    painter.setPen(Qt::NoPen);
}

} // namespace

void drawBubbles(QPainter& painter, const std::vector<Bubble>& bubbles, SpriteCache& sprites) {
    setElementOpacity(painter, 1.0);
    for (const Bubble& bubble : bubbles) {
        const QColor color = toQColor(bubble.color);
        const qreal reach = bubble.radius + kRimWidth / 2 + kAntialiasMargin;
        sprites.draw(painter, {kBubbleSprite, bubble.radius, color.rgba()},
                     toQPointF(bubble.position), QRectF(-reach, -reach, 2 * reach, 2 * reach),
                     [&](QPainter& p) { paintBubble(p, bubble.radius, color); });
    }
}

void drawBubbleParticles(QPainter& painter, const std::vector<BubbleParticle>& particles,
                         TimeStamp now) {
    for (const BubbleParticle& particle : particles) {
        const double alpha = particleOpacity(particle, now);
        if (!isVisible(alpha)) {
            continue;
        }
        const Point centre = particle.position + particle.velocity * (now - particle.born);
        setElementOpacity(painter, alpha);
        fillEllipse(painter, circle(toQPointF(centre), particle.size), toQColor(particle.color));
    }
}

} // namespace wigglepad
