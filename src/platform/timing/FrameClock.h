#pragma once

#include "Clock.h"
#include "TimerService.h"

#include <QMetaObject>
#include <QObject>
#include <functional>
#include <memory>

class QScreen;

namespace wigglepad {

// Fires once per display refresh of the primary screen and hands each frame's time, read from
// the program's one clock, to the canvas. The timer service paces the frames from target
// instants (start + n x period), so a 60 Hz screen gets 60 frames a second rather than the
// 62.5 of a 16 ms interval, and a late frame is delayed, never doubled. While running it
// follows the primary screen and its refresh rate.
class FrameClock : public QObject {
    Q_OBJECT
public:
    using FrameAction = std::function<void(TimeStamp frameTime)>;

    FrameClock(const Clock& clock, TimerService& timers, FrameAction onFrame,
               QObject* parent = nullptr);

    void start();
    void stop();
    bool isRunning() const { return timer_ != nullptr; }

    // The time between two frames at the current pace.
    TimerService::Seconds period() const { return period_; }

    // One refresh at `hertz`; that of 60 Hz when the screen reports no usable rate.
    static TimerService::Seconds refreshPeriod(qreal hertz);

private:
    void follow(QScreen* screen);
    void pace(qreal hertz);

    const Clock& clock_;
    TimerService& timers_;
    FrameAction onFrame_;
    TimerService::Seconds period_;
    std::unique_ptr<RepeatingTimer> timer_;
    QMetaObject::Connection refreshRateChange_;
};

} // namespace wigglepad
