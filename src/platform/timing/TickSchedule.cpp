#include "TickSchedule.h"

#include <algorithm>

namespace wigglepad {

TickSchedule::TickSchedule(Clock::time_point origin, Clock::duration interval)
    : origin_(origin)
    , interval_(std::max(interval, Clock::duration{1})) {}

TickSchedule::Clock::time_point TickSchedule::advance(Clock::time_point now) {
    const std::int64_t passed = now < origin_ ? 0 : (now - origin_) / interval_;
    index_ = std::max(index_ + 1, passed + 1);
    return currentTarget();
}

} // namespace wigglepad
