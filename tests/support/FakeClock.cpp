#include "FakeClock.h"

namespace wigglepad {

FakeClock::FakeClock(TimeStamp start)
    : now_(start) {}

} // namespace wigglepad
