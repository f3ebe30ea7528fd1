#include "ExitTapZone.h"

#include "Clock.h"

#include <QMouseEvent>

namespace wigglepad {

ExitTapZone::ExitTapZone(Published<bool>& showConfirm, const Clock& clock, QWidget* parent)
    : QWidget(parent)
    , showConfirm_(showConfirm)
    , clock_(clock) {
    setFocusPolicy(Qt::NoFocus);
    // Nothing is painted: whatever lies below shows through the whole square.
    setAttribute(Qt::WA_NoSystemBackground);
}

void ExitTapZone::handleTap() {
    const TimeStamp now = clock_.now();
    if (now - lastTap_ > tapWindow)
        tapCount_ = 0;
    ++tapCount_;
    lastTap_ = now;
    if (tapCount_ >= requiredTaps) {
        tapCount_ = 0;
        showConfirm_.set(true);
    }
}

// A quick second click also brings a double-click notice, which QWidget hands to this handler as
// a second press; since clicks are counted on release, it is still one click.
void ExitTapZone::mousePressEvent(QMouseEvent* event) {
    pressedInside_ = event->button() == Qt::LeftButton;
    event->accept();
}

// A click is a press and a release both in the zone, as a tap is. The zone is measured in
// fractional points: rounded, the screen's corner pixel at a ratio of 2 would fall outside.
void ExitTapZone::mouseReleaseEvent(QMouseEvent* event) {
    const bool tapped = pressedInside_ && event->button() == Qt::LeftButton &&
                        QRectF(rect()).contains(event->position());
    pressedInside_ = false;
    event->accept();
    if (tapped)
        handleTap();
}

} // namespace wigglepad
