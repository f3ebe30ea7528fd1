#pragma once

#include "Published.h"
#include "TimeStamp.h"

#include <QWidget>

namespace wigglepad {

class Clock;

// The invisible square in the top-right corner where an adult raises the exit confirmation:
// the fifth click of a run in which each click follows the previous one by at most tapWindow
// sets showConfirm. A longer pause starts a new run with that click as its first. The zone
// draws nothing and gives no feedback at any count.
class ExitTapZone : public QWidget {
    Q_OBJECT
public:
    static constexpr int requiredTaps = 5;
    static constexpr double tapWindow = 2.0; // seconds; only a longer pause restarts the count

    // `showConfirm` is bound to the play state's showExitConfirm; `clock` tells when a click
    // happens.
    ExitTapZone(Published<bool>& showConfirm, const Clock& clock, QWidget* parent = nullptr);

    // One click in the zone.
    void handleTap();

    // Clicks counted in the current run.
    int tapCount() const { return tapCount_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Published<bool>& showConfirm_;
    const Clock& clock_;
    int tapCount_ = 0;
    TimeStamp lastTap_ = kDistantPast;
    bool pressedInside_ = false; // a left press began here and its release is still to come
};

} // namespace wigglepad
