#include "Mixer.h"

#include <algorithm>
#include <cmath>

namespace wigglepad {

namespace {

constexpr double kLimiterReleaseSeconds = 0.15;
constexpr double kGiveWaySeconds = 0.003;

} // namespace

Mixer::Mixer(double sampleRate)
    : sampleRate_(sampleRate)
    , limiter_(kCeiling, kLimiterReleaseSeconds, sampleRate) {}

void Mixer::render(std::span<float> out) {
    startQueued();
    std::fill(out.begin(), out.end(), 0.f);
    bool anySound = false;
    for (Voice* voice : allVoices()) {
        if (voice->sounding()) {
            voice->addTo(out);
            anySound = true;
        }
    }
    if (anySound)
        limiter_.process(out);
}

std::size_t Mixer::soundingVoices() const {
    return static_cast<std::size_t>(
        std::count_if(voices_.begin(), voices_.end(), [](const Voice& v) { return v.sounding(); }));
}

void Mixer::startQueued() {
    while (const std::optional<SoundEvent> event = events_.pop())
        voiceFor(*event).start(*event, sampleRate_);
}

// Speech takes the voice of the speech it replaces; otherwise a silent voice, or the oldest.
Voice& Mixer::voiceFor(const SoundEvent& event) {
    if (event.kind == SoundEvent::Kind::speech) {
        const auto speaking = std::find_if(voices_.begin(), voices_.end(),
                                           [](const Voice& v) { return v.speaking(); });
        if (speaking != voices_.end())
            return giveWay(*speaking);
    }
    const auto silent =
        std::find_if(voices_.begin(), voices_.end(), [](const Voice& v) { return !v.sounding(); });
    if (silent != voices_.end())
        return *silent;
    return giveWay(
        *std::max_element(voices_.begin(), voices_.end(),
                          [](const Voice& a, const Voice& b) { return a.age() < b.age(); }));
}

// The voice's sound moves on to fade out beside the others; its place is free at once.
Voice& Mixer::giveWay(Voice& voice) {
    leaving_ = voice;
    leaving_.release(std::llround(kGiveWaySeconds * sampleRate_));
    return voice;
}

std::array<Voice*, Mixer::kMostVoices + 1> Mixer::allVoices() {
    std::array<Voice*, kMostVoices + 1> all{&leaving_};
    std::transform(voices_.begin(), voices_.end(), all.begin() + 1, [](Voice& v) { return &v; });
    return all;
}

} // namespace wigglepad
