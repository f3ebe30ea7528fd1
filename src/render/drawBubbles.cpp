#include "drawBubbles.h"

#include "Fade.h"
#include "QtBridge.h"
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

QRectF circle(QPointF centre, qreal diameter) {
    return {centre.x() - diameter / 2, centre.y() - diameter / 2, diameter, diameter};
}

void fillEllipse(QPainter& painter, const QRectF& rect, const QColor& color) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawEllipse(rect);
}

void drawBubble(QPainter& painter, const Bubble& bubble) {
    const QPointF centre = toQPointF(bubble.position);
    const qreal r = bubble.radius;
    const QRectF body = circle(centre, 2 * r);
    setElementOpacity(painter, kBodyOpacity);
    fillEllipse(painter, body, toQColor(bubble.color));
    setElementOpacity(painter, kHighlightOpacity);
    fillEllipse(painter, circle(centre - QPointF(0, kHighlightLift * r), kHighlightDiameter * r),
                Qt::white);
    setElementOpacity(painter, kRimOpacity);
    painter.setPen(kBubbleRimStroke.pen(Qt::white, kRimWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(body);
    painter.setPen(Qt::NoPen);
}

} // namespace

void drawBubbles(QPainter& painter, const std::vector<Bubble>& bubbles) {
    for (const Bubble& bubble : bubbles) {
        drawBubble(painter, bubble);
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
