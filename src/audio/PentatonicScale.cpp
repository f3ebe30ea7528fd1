#include "PentatonicScale.h"

#include <array>
#include <cmath>

namespace wigglepad {

namespace {

constexpr double kC5 = 523.2511;
constexpr int kNotesPerOctave = 5;
constexpr double kSemitonesPerOctave = 12.0;
// C, D, E, G, A in semitones above C.
constexpr std::array<int, kNotesPerOctave> kSteps{0, 2, 4, 7, 9};

int floorDiv(int a, int b) {
    return a / b - (a % b < 0 ? 1 : 0);
}

} // namespace

double pentatonicFrequency(int degree) {
    const int octave = floorDiv(degree, kNotesPerOctave);
    const int step = kSteps[static_cast<std::size_t>(degree - octave * kNotesPerOctave)];
    const double semitones = octave * kSemitonesPerOctave + step;
    return kC5 * std::exp2(semitones / kSemitonesPerOctave);
}

} // namespace wigglepad
