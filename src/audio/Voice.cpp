#include "Voice.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace wigglepad {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// The mallet: a quick strike, then each partial dies away, the higher ones sooner, as on a
// struck wooden bar. Amplitudes relative to full scale.
constexpr double kToneSeconds = 0.45;
constexpr double kToneAttackSeconds = 0.004;
struct PartialShape {
    double ratio;        // to the fundamental
    double amplitude;    // at the strike
    double decaySeconds; // time constant of the exponential decay
};
constexpr std::array<PartialShape, 3> kMallet{{
    {1.0, 0.16, 0.09},
    {2.0, 0.04, 0.05},
    {3.0, 0.012, 0.03},
}};

// The ribbon's glide: an octave up, swelling and fading on a raised cosine.
constexpr double kGlideFrom = 392.0; // G4
constexpr double kGlideTo = 784.0;   // G5
constexpr double kGlideSeconds = 0.4;
constexpr double kGlideAmplitude = 0.11;

// The pop: a bright blip falling fast in pitch and gone within a few hundredths of a second.
constexpr double kPopFrom = 1800.0;
constexpr double kPopTo = 700.0;
constexpr double kPopSeconds = 0.06;
constexpr double kPopAttackSeconds = 0.001;
constexpr double kPopDecaySeconds = 0.012;
constexpr double kPopAmplitude = 0.18;

std::int64_t samplesIn(double seconds, double sampleRate) {
    return std::max<std::int64_t>(1, std::llround(seconds * sampleRate));
}

} // namespace

void Voice::start(const SoundEvent& event, double sampleRate) {
    kind_ = event.kind;
    sampleRate_ = sampleRate;
    age_ = 0;
    switch (event.kind) {
    case SoundEvent::Kind::tone:
        startTone(event.frequency, sampleRate);
        break;
    case SoundEvent::Kind::glide:
        startSweep(kGlideFrom, kGlideTo, kGlideSeconds, sampleRate);
        break;
    case SoundEvent::Kind::pop:
        startSweep(kPopFrom, kPopTo, kPopSeconds, sampleRate);
        attack_ = samplesIn(kPopAttackSeconds, sampleRate);
        break;
    case SoundEvent::Kind::speech:
        clip_ = event.clip;
        length_ = static_cast<std::int64_t>(clip_.size());
        break;
    }
    remaining_ = length_;
    release_ = 0;
}

void Voice::release(std::int64_t samples) {
    remaining_ = std::min(remaining_, samples);
    release_ = remaining_;
}

void Voice::startTone(double frequency, double sampleRate) {
    length_ = samplesIn(kToneSeconds, sampleRate);
    attack_ = samplesIn(kToneAttackSeconds, sampleRate);
    for (std::size_t i = 0; i < kMallet.size(); ++i) {
        const PartialShape& shape = kMallet[i];
        const double step = kTwoPi * frequency * shape.ratio / sampleRate;
        const double shrink = std::exp(-1.0 / (shape.decaySeconds * sampleRate));
        partials_[i] = {shape.amplitude, 0.0, shrink * std::cos(step), shrink * std::sin(step)};
    }
}

void Voice::startSweep(double from, double to, double seconds, double sampleRate) {
    length_ = samplesIn(seconds, sampleRate);
    sweep_ = {0.0, from, std::pow(to / from, 1.0 / static_cast<double>(length_))};
}

void Voice::addTo(std::span<float> out) {
    const auto count = static_cast<std::size_t>(
        std::min<std::int64_t>(remaining_, static_cast<std::int64_t>(out.size())));
    float (Voice::*next)() = &Voice::nextTone;
    switch (kind_) {
    case SoundEvent::Kind::tone:
        break;
    case SoundEvent::Kind::glide:
        next = &Voice::nextGlide;
        break;
    case SoundEvent::Kind::pop:
        next = &Voice::nextPop;
        break;
    case SoundEvent::Kind::speech:
        next = &Voice::nextSpeech;
        break;
    }
    for (std::size_t i = 0; i < count; ++i) {
        const float sample = (this->*next)();
        const float fade = release_ > 0
                               ? static_cast<float>(remaining_ - static_cast<std::int64_t>(i)) /
                                     static_cast<float>(release_)
                               : 1.f;
        out[i] += sample * fade;
        ++age_;
    }
    remaining_ -= static_cast<std::int64_t>(count);
}

// The imaginary parts of the shrinking phasors, which start at the real axis: each partial
// starts from zero, and the short attack ramp keeps the strike from clicking.
float Voice::nextTone() {
    double sum = 0.0;
    for (Partial& p : partials_) {
        const double re = p.re * p.stepRe - p.im * p.stepIm;
        p.im = p.re * p.stepIm + p.im * p.stepRe;
        p.re = re;
        sum += p.im;
    }
    const double ramp = std::min(1.0, static_cast<double>(age_ + 1) / static_cast<double>(attack_));
    return static_cast<float>(sum * ramp);
}

float Voice::nextGlide() {
    const double t = static_cast<double>(age_) / static_cast<double>(length_);
    const double swell = 0.5 - 0.5 * std::cos(kTwoPi * t);
    return static_cast<float>(kGlideAmplitude * swell * sweepSample());
}

float Voice::nextPop() {
    const double seconds = static_cast<double>(age_) / sampleRate_;
    const double ramp = std::min(1.0, static_cast<double>(age_ + 1) / static_cast<double>(attack_));
    const double decay = std::exp(-seconds / kPopDecaySeconds);
    return static_cast<float>(kPopAmplitude * ramp * decay * sweepSample());
}

float Voice::nextSpeech() {
    return clip_[static_cast<std::size_t>(age_)];
}

double Voice::sweepSample() {
    const double sample = std::sin(sweep_.phase);
    sweep_.phase = std::fmod(sweep_.phase + kTwoPi * sweep_.frequency / sampleRate_, kTwoPi);
    sweep_.frequency *= sweep_.ratio;
    return sample;
}

} // namespace wigglepad
