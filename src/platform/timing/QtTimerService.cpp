#include "QtTimerService.h"

#include "PacedTimer.h"

#include <QTimer>

namespace wigglepad {

std::unique_ptr<RepeatingTimer> QtTimerService::scheduleRepeating(Seconds interval, Action action) {
    auto timer = std::make_unique<PacedTimer>(std::move(action));
    timer->start(std::chrono::duration_cast<TickSchedule::Clock::duration>(interval));
    return timer;
}

void QtTimerService::runAfter(Seconds delay, Action action) {
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(delay);
    QTimer::singleShot(std::max(wait, std::chrono::milliseconds{0}), Qt::PreciseTimer, &context_,
                       std::move(action));
}

} // namespace wigglepad
