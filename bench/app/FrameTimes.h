#pragma once

#include <QObject>
#include <chrono>
#include <functional>
#include <vector>

namespace wigglepad {

// When a widget paints, taken from its paint events: the first painted frame and the
// intervals between painted frames.
class FrameTimes final : public QObject {
public:
    using Clock = std::chrono::steady_clock;

    // Watches `widget`'s paint events; `onFirst` runs at the first one.
    FrameTimes(QObject& widget, std::function<void()> onFirst);

    void restart() { paints_.clear(); }
    std::size_t frames() const { return paints_.size(); }
    // The interval between painted frames at quantile q (0.5 the median), in milliseconds.
    double intervalMs(double q) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<Clock::time_point> paints_;
    std::function<void()> onFirst_;
};

} // namespace wigglepad
