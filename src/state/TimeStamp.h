#pragma once

namespace wigglepad {

// A wall-clock instant: seconds since 1970-01-01 00:00:00 UTC. Ages are differences of these.
using TimeStamp = double;

// Earlier than any real instant (the start of year 1), so "time since" it is always huge.
inline constexpr TimeStamp kDistantPast = -62135596800.0;

// The trail's hue scrolls with the time counted from 2001-01-01 00:00:00 UTC.
inline constexpr TimeStamp kReferenceDate = 978307200.0;

inline constexpr double secondsSinceReferenceDate(TimeStamp t) {
    return t - kReferenceDate;
}

} // namespace wigglepad
