#include "RoundedPanel.h"

#include "ContinuousRoundedRect.h"

#include <QPainter>

namespace wigglepad {

RoundedPanel::RoundedPanel(const Look& look, QWidget* parent)
    : QWidget(parent)
    , look_(look) {}

void RoundedPanel::paint(QPainter& painter, const QRectF& bounds, const Look& look) {
    const qreal inset = look.outlineWidth / 2.0;
    const QRectF shapeBounds = bounds.adjusted(inset, inset, -inset, -inset);
    const QPainterPath shape =
        continuousRoundedRect(shapeBounds.size(), look.radius).translated(shapeBounds.topLeft());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(look.outlineWidth > 0.0 ? QPen(look.outline, look.outlineWidth)
                                           : QPen(Qt::NoPen));
    painter.setBrush(look.fill);
    painter.drawPath(shape);
    painter.restore();
}

void RoundedPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint(painter, rect(), look_);
}

} // namespace wigglepad
