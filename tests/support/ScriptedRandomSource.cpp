#include "ScriptedRandomSource.h"

#include <algorithm>
#include <cmath>

namespace wigglepad {

double ScriptedRandomSource::nextFraction() {
    if (script_.empty())
        return 0.5;
    const double fraction = script_.front();
    script_.pop_front();
    return std::clamp(fraction, 0.0, 1.0);
}

double ScriptedRandomSource::uniformReal(double low, double high) {
    draws_.push_back({low, high});
    return low + (high - low) * nextFraction();
}

std::int64_t ScriptedRandomSource::uniformInt(std::int64_t bound) {
    draws_.push_back({0.0, static_cast<double>(bound - 1)});
    const auto value =
        static_cast<std::int64_t>(std::floor(nextFraction() * static_cast<double>(bound)));
    return std::min(value, bound - 1);
}

} // namespace wigglepad
