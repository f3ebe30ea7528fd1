#pragma once

#include <chrono>
#include <vector>

namespace wigglepad {

// The interval between consecutive frame times at quantile q (0.5 the median, 0.99 the 99th
// percentile), in milliseconds; 0 with fewer than two frames.
double intervalQuantileMs(const std::vector<std::chrono::steady_clock::time_point>& frames,
                          double q);

} // namespace wigglepad
