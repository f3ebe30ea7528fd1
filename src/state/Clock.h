#pragma once

#include "TimeStamp.h"

namespace wigglepad {

// The one source of "now" for the whole program.
class Clock {
public:
    virtual ~Clock() = default;
    virtual TimeStamp now() const = 0;
};

} // namespace wigglepad
