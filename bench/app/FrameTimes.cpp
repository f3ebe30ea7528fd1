#include "FrameTimes.h"

#include "IntervalQuantileMs.h"

#include <QEvent>

namespace wigglepad {

FrameTimes::FrameTimes(QObject& widget, std::function<void()> onFirst)
    : onFirst_(std::move(onFirst)) {
    widget.installEventFilter(this);
}

bool FrameTimes::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        paints_.push_back(Clock::now());
        if (onFirst_)
            std::exchange(onFirst_, nullptr)();
    }
    return QObject::eventFilter(watched, event);
}

double FrameTimes::intervalMs(double q) const {
    return intervalQuantileMs(paints_, q);
}

} // namespace wigglepad
