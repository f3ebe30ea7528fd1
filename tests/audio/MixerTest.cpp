#include "Mixer.h"

#include "PentatonicScale.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

using namespace wigglepad;

namespace {

constexpr double kRate = 22050.0;

std::vector<float> renderSeconds(Mixer& mixer, double seconds) {
    std::vector<float> out(static_cast<std::size_t>(seconds * kRate));
    // In blocks of about 5 ms, as the sound server asks for them.
    for (std::size_t at = 0; at < out.size(); at += 110)
        mixer.render(std::span(out).subspan(at, std::min<std::size_t>(110, out.size() - at)));
    return out;
}

float peak(std::span<const float> samples) {
    return std::abs(std::ranges::max(samples, {}, [](float s) { return std::abs(s); }));
}

std::span<const float> window(const std::vector<float>& samples, double from, double to) {
    const auto first = static_cast<std::size_t>(from * kRate);
    return std::span(samples).subspan(first, static_cast<std::size_t>(to * kRate) - first);
}

// Upward zero crossings per second.
double pitchOf(std::span<const float> samples) {
    int crossings = 0;
    for (std::size_t i = 1; i < samples.size(); ++i)
        crossings += samples[i - 1] < 0.f && samples[i] >= 0.f ? 1 : 0;
    return crossings * kRate / static_cast<double>(samples.size());
}

} // namespace

TEST(MixerTest, ATonesPitchIsItsScaleNoteAndItDecaysToSilence) {
    for (const int degree : {0, 3, 7}) {
        Mixer mixer(kRate);
        const double note = pentatonicFrequency(degree);
        ASSERT_TRUE(mixer.queue({SoundEvent::Kind::tone, note, {}}));
        const std::vector<float> out = renderSeconds(mixer, 0.6);
        EXPECT_NEAR(pitchOf(window(out, 0.0, 0.2)), note, note * 0.03) << degree;
        EXPECT_LT(peak(window(out, 0.3, 0.4)), peak(window(out, 0.0, 0.05)) * 0.1);
        EXPECT_EQ(peak(window(out, 0.46, 0.6)), 0.f);
        EXPECT_EQ(mixer.soundingVoices(), 0u);
    }
    EXPECT_NEAR(pentatonicFrequency(0), 523.25, 0.01);
    EXPECT_NEAR(pentatonicFrequency(5), 2 * 523.25, 0.02);
    EXPECT_NEAR(pentatonicFrequency(-1), 440.0, 0.01);
}

TEST(MixerTest, ThirtyTwoSoundsAtOnceStayUnderTheCeilingOnEightVoices) {
    Mixer mixer(kRate);
    for (int i = 0; i < 32; ++i) {
        const auto kind = static_cast<SoundEvent::Kind>(i % 3); // tones, glides and pops
        ASSERT_TRUE(mixer.queue({kind, pentatonicFrequency(i % 10), {}}));
    }
    const std::vector<float> out = renderSeconds(mixer, 0.05);
    EXPECT_EQ(mixer.soundingVoices(), Mixer::kMostVoices);
    EXPECT_LE(peak(out), Mixer::kCeiling);
    EXPECT_GT(peak(out), Mixer::kCeiling * 0.5f);
}

TEST(MixerTest, NewSpeechReplacesSpeechAndNothingQueuedIsSilence) {
    Mixer mixer(kRate);
    EXPECT_EQ(peak(renderSeconds(mixer, 0.1)), 0.f);
    const std::vector<float> first(4410, 0.1f);
    const std::vector<float> second(4410, -0.05f);
    mixer.queue({SoundEvent::Kind::speech, 0.0, first});
    renderSeconds(mixer, 0.05);
    mixer.queue({SoundEvent::Kind::speech, 0.0, second});
    const std::vector<float> out = renderSeconds(mixer, 0.1);
    EXPECT_EQ(mixer.soundingVoices(), 1u);
    EXPECT_FLOAT_EQ(out[200], -0.05f) << "the first speech faded out within 10 ms";
}
