#pragma once

#include "Clock.h"

namespace wigglepad {

// The wall clock.
class SystemClock final : public Clock {
public:
    TimeStamp now() const override;
};

} // namespace wigglepad
