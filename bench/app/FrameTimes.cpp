#include "FrameTimes.h"

#include <QEvent>
#include <algorithm>
#include <cmath>

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
    if (paints_.size() < 2)
        return 0.0;
    std::vector<double> intervals;
    for (std::size_t i = 1; i < paints_.size(); ++i)
        intervals.push_back(
            std::chrono::duration<double, std::milli>(paints_[i] - paints_[i - 1]).count());
    const auto at =
        static_cast<std::ptrdiff_t>(std::lround(q * static_cast<double>(intervals.size() - 1)));
    std::nth_element(intervals.begin(), intervals.begin() + at, intervals.end());
    return intervals[static_cast<std::size_t>(at)];
}

} // namespace wigglepad
