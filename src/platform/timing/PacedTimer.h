#pragma once

#include "RepeatingTimer.h"
#include "TickSchedule.h"

#include <QObject>
#include <functional>
#include <optional>

namespace wigglepad {

// A repeating timer on the main event loop that fires at start + n × interval (n = 1, 2, ...),
// never before its target and normally within a millisecond or two after it, so that an
// interval of 1/60 s averages 60 Hz. A tick that comes late is served once and the targets it
// overran are skipped: late ticks are delayed, never doubled. The building block of the
// program's tick timers and of frame pacing.
class PacedTimer final : public QObject, public RepeatingTimer {
public:
    using Action = std::function<void()>;

    explicit PacedTimer(Action action);
    ~PacedTimer() override;

    // (Re)starts the ticks: the first comes one interval from now.
    void start(TickSchedule::Clock::duration interval);
    void stop();
    bool isActive() const { return schedule_.has_value(); }

    void invalidate() override { stop(); }
    bool isValid() const override { return isActive(); }

    // The target instant of the tick being served, or of the next one between ticks.
    std::optional<TickSchedule::Clock::time_point> currentTarget() const;

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    void armFor(TickSchedule::Clock::time_point target);
    void disarm();

    Action action_;
    std::optional<TickSchedule> schedule_;
    int timerId_ = 0;
    // Set while the action runs, so that a timer destroyed by its own action can tell.
    bool* destroyed_ = nullptr;
};

} // namespace wigglepad
