#pragma once

#include "Clock.h"

namespace wigglepad {

// A clock that moves only when a test advances it.
class FakeClock final : public Clock {
public:
    explicit FakeClock(TimeStamp start = 1'800'000'000.0)
        : now_(start) {}
    TimeStamp now() const override { return now_; }
    void advance(double seconds) { now_ += seconds; }

private:
    TimeStamp now_;
};

} // namespace wigglepad
