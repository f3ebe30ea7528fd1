#include "DrawHoldBars.h"

#include "Fade.h"
#include "SquirclePathCache.h"

#include <QPainter>
#include <algorithm>

namespace wigglepad {

namespace {

constexpr qreal kMargin = 16.0;
constexpr qreal kTrackWidth = 100.0;
constexpr qreal kTrackHeight = 4.0;
constexpr qreal kCornerRadius = 2.0;
constexpr double kTrackColorOpacity = 0.25;
constexpr double kBarColorOpacity = 0.5;
const QColor kMidGray(128, 128, 128);

QColor gray(double colorOpacity) {
    QColor c = kMidGray;
    c.setAlphaF(static_cast<float>(colorOpacity));
    return c;
}

void fillBar(QPainter& painter, qreal left, qreal width, const QColor& color,
             SquirclePathCache& squircles) {
    const QPointF topLeft(left, kMargin);
    painter.translate(topLeft);
    painter.fillPath(squircles.path({width, kTrackHeight}, kCornerRadius), color);
    painter.translate(-topLeft);
}

void drawHoldBar(QPainter& painter, qreal left, double progress, SquirclePathCache& squircles) {
    if (progress <= 0.0) {
        return;
    }
    setElementOpacity(painter, 1.0);
    fillBar(painter, left, kTrackWidth, gray(kTrackColorOpacity), squircles);
    fillBar(painter, left, kTrackWidth * std::min(progress, 1.0), gray(kBarColorOpacity),
            squircles);
}

} // namespace

void drawHoldBars(QPainter& painter, QSizeF size, double menuHoldProgress, double exitProgress,
                  SquirclePathCache& squircles) {
    drawHoldBar(painter, kMargin, menuHoldProgress, squircles);
    drawHoldBar(painter, size.width() - kTrackWidth - kMargin, exitProgress, squircles);
}

} // namespace wigglepad
