#include "PlayCanvas.h"

#include "BundledFonts.h"
#include "Clock.h"
#include "DrawPlaySurface.h"

#include <QPainter>

namespace wigglepad {

PlayCanvas::PlayCanvas(const AppState& state, const QColor& bg, const Clock& clock,
                       TimerService& timers, QWidget* parent)
    : QWidget(parent)
    , state_(state)
    , bg_(bg)
    , frameTime_(clock.now())
    , caches_(BundledFonts::roundedFamily())
    , frames_(clock, timers, [this](TimeStamp t) { nextFrame(t); }) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PlayCanvas::paintSurface(QPainter& painter, QSizeF size) {
    drawPlaySurface(painter, size, frameTime_, state_, bg_, caches_);
}

void PlayCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintSurface(painter, size());
}

void PlayCanvas::showEvent(QShowEvent*) {
    damage_.invalidate();
    frames_.start();
}

void PlayCanvas::hideEvent(QHideEvent*) {
    frames_.stop();
}

void PlayCanvas::nextFrame(TimeStamp frameTime) {
    frameTime_ = frameTime;
    update(damage_.next(state_, size()));
}

} // namespace wigglepad
