#pragma once

#include "SoundEvent.h"

#include <array>
#include <cstdint>
#include <span>

namespace wigglepad {

// One sound of the mix, synthesised sample by sample with no allocation: a mallet tone, a
// rising glide, a bubble's pop or a spoken clip.
class Voice {
public:
    // Starts `event` from its first sample, cutting off whatever this voice played.
    void start(const SoundEvent& event, double sampleRate);
    // Adds the next `out.size()` samples into `out`; after its end the voice stays silent.
    void addTo(std::span<float> out);
    // Fades out over the next `samples` and ends there, so that cutting it off does not click.
    void release(std::int64_t samples);

    bool sounding() const { return remaining_ > 0; }
    bool speaking() const { return sounding() && kind_ == SoundEvent::Kind::speech; }
    // Samples played since the start: the oldest voice gives way first.
    std::int64_t age() const { return age_; }

private:
    // A partial of the mallet: a rotating phasor that shrinks a little each sample, which is a
    // sine with an exponential decay at the cost of four multiplications.
    struct Partial {
        double re = 0.0;
        double im = 0.0;
        double stepRe = 1.0;
        double stepIm = 0.0;
    };
    // A sine whose frequency moves by a fixed ratio each sample (glide and pop).
    struct Sweep {
        double phase = 0.0;
        double frequency = 0.0;
        double ratio = 1.0;
    };

    void startTone(double frequency, double sampleRate);
    void startSweep(double from, double to, double seconds, double sampleRate);
    float nextTone();
    float nextGlide();
    float nextPop();
    float nextSpeech();
    double sweepSample();

    SoundEvent::Kind kind_ = SoundEvent::Kind::tone;
    std::int64_t age_ = 0;
    std::int64_t remaining_ = 0;
    std::int64_t release_ = 0; // the length of the fade-out under way, 0 for none
    std::int64_t length_ = 0;
    std::int64_t attack_ = 1;
    std::array<Partial, 3> partials_;
    Sweep sweep_;
    double sampleRate_ = 1.0;
    std::span<const float> clip_;
};

} // namespace wigglepad
