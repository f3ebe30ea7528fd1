#pragma once

#include "RandomSource.h"

#include <cstdint>
#include <deque>
#include <vector>

namespace wigglepad {

// Random draws a test scripts in advance and checks afterwards. Each scripted value is a
// fraction in [0, 1] mapped onto the requested range, so a script is independent of the ranges;
// with the script used up, every draw returns the midpoint of its range. Every draw is logged.
class ScriptedRandomSource final : public RandomSource {
public:
    // The interval of a real draw; (0, bound - 1) for an integer draw.
    struct Draw {
        double low, high;
    };

    explicit ScriptedRandomSource(std::vector<double> fractions = {})
        : script_(fractions.begin(), fractions.end()) {}

    void push(double fraction) { script_.push_back(fraction); }
    double uniformReal(double low, double high) override;
    std::int64_t uniformInt(std::int64_t bound) override;

    const std::vector<Draw>& draws() const { return draws_; }
    void clearLog() { draws_.clear(); }

private:
    double nextFraction();

    std::deque<double> script_;
    std::vector<Draw> draws_;
};

} // namespace wigglepad
