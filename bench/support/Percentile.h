#pragma once

#include <vector>

namespace wigglepad {

// The 99th percentile of the per-frame samples, for benchmark::ComputeStatistics.
double percentile99(const std::vector<double>& samples);

} // namespace wigglepad
