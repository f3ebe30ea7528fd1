#include "SystemRandomSource.h"

#include <array>
#include <cmath>
#include <limits>

namespace wigglepad {

namespace {

std::mt19937_64 seededFromSystem() {
    std::random_device device;
    std::array<std::random_device::result_type, 8> words{};
    for (auto& word : words) {
        word = device();
    }
    std::seed_seq seed(words.begin(), words.end());
    return std::mt19937_64(seed);
}

} // namespace

SystemRandomSource::SystemRandomSource()
    : engine_(seededFromSystem()) {}

SystemRandomSource::SystemRandomSource(std::uint64_t seed)
    : engine_(seed) {}

double SystemRandomSource::uniformReal(double low, double high) {
    if (!(low < high)) {
        return low;
    }
    // The distribution's interval is half-open; one step past `high` closes it.
    const double above = std::nextafter(high, std::numeric_limits<double>::max());
    return std::uniform_real_distribution<double>(low, above)(engine_);
}

std::int64_t SystemRandomSource::uniformInt(std::int64_t bound) {
    if (bound <= 1) {
        return 0;
    }
    return std::uniform_int_distribution<std::int64_t>(0, bound - 1)(engine_);
}

} // namespace wigglepad
