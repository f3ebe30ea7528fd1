#pragma once

#include "TimerService.h"

#include <QObject>

namespace wigglepad {

// Timers on the Qt main event loop: paced repeating timers and precise one-shot delays.
// Delayed actions still pending when the service is destroyed never run.
class QtTimerService final : public TimerService {
public:
    std::unique_ptr<RepeatingTimer> scheduleRepeating(Seconds interval, Action action) override;
    void runAfter(Seconds delay, Action action) override;

private:
    QObject context_;
};

} // namespace wigglepad
