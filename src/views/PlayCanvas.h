#pragma once

#include "CanvasDamage.h"
#include "FrameClock.h"
#include "RenderCaches.h"
#include "TimeStamp.h"

#include <QColor>
#include <QWidget>

namespace wigglepad {

class AppState;
class Clock;
class TimerService;

// The play surface, redrawn for every display refresh while it is on screen: each frame paints
// the play state as it is then, with the frame's time as "now" for every fade. Painting only
// reads the state. The canvas covers itself fully with the surface colour, so nothing behind
// it needs painting; of its own area, each frame repaints what can have changed (CanvasDamage).
class PlayCanvas : public QWidget {
    Q_OBJECT
public:
    PlayCanvas(const AppState& state, const QColor& bg, const Clock& clock, TimerService& timers,
               QWidget* parent = nullptr);

    // The time of the frame on screen (or about to be): the clock's time at the last refresh.
    TimeStamp frameTime() const { return frameTime_; }

    // Paints the surface as this frame shows it onto any painter, `size` points large.
    void paintSurface(QPainter& painter, QSizeF size);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void nextFrame(TimeStamp frameTime);

    const AppState& state_;
    QColor bg_;
    TimeStamp frameTime_;
    RenderCaches caches_; // the pictures of this canvas's frames, in the bundled rounded face
    CanvasDamage damage_;
    FrameClock frames_;
};

} // namespace wigglepad
