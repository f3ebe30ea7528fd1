#include "IntervalQuantileMs.h"

#include <algorithm>
#include <cmath>

namespace wigglepad {

double intervalQuantileMs(const std::vector<std::chrono::steady_clock::time_point>& frames,
                          double q) {
    if (frames.size() < 2) {
        return 0.0;
    }
    std::vector<double> intervals;
    intervals.reserve(frames.size() - 1);
    for (std::size_t i = 1; i < frames.size(); ++i) {
        intervals.push_back(
            std::chrono::duration<double, std::milli>(frames[i] - frames[i - 1]).count());
    }
    const auto at =
        static_cast<std::ptrdiff_t>(std::lround(q * static_cast<double>(intervals.size() - 1)));
    std::nth_element(intervals.begin(), intervals.begin() + at, intervals.end());
    return intervals[static_cast<std::size_t>(at)];
}

} // namespace wigglepad
