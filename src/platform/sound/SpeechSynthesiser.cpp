#include "SpeechSynthesiser.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <espeak-ng/speak_lib.h>
#include <limits>

namespace wigglepad {

namespace {

// A little slower than conversation, for small listeners.
constexpr int kWordsPerMinute = 140;
// Spoken clips peak at this level, near the tones' own.
constexpr float kSpeechPeak = 0.2f;
// Quieter than this counts as the silence the engine puts around words.
constexpr float kSilence = 0.01f;
// The cut ends fade in and out over this many seconds, so they do not click.
constexpr double kFadeSeconds = 0.005;

int collect(short* samples, int count, espeak_EVENT* events) {
    auto* out = static_cast<std::vector<std::int16_t>*>(events->user_data);
    if (samples && count > 0)
        out->insert(out->end(), samples, samples + count);
    return 0; // go on
}

// Linear interpolation is plenty for a voice band far below either rate's limit.
std::vector<float> resampled(const std::vector<std::int16_t>& in, double from, double to) {
    if (in.empty())
        return {};
    const auto length = static_cast<std::size_t>(static_cast<double>(in.size()) * to / from);
    std::vector<float> out(length);
    constexpr float kFullScale = -static_cast<float>(std::numeric_limits<std::int16_t>::min());
    for (std::size_t i = 0; i < length; ++i) {
        const double at = static_cast<double>(i) * from / to;
        const auto j = std::min(static_cast<std::size_t>(at), in.size() - 1);
        const auto k = std::min(j + 1, in.size() - 1);
        const double share = at - static_cast<double>(j);
        out[i] = static_cast<float>((in[j] * (1.0 - share) + in[k] * share) / kFullScale);
    }
    return out;
}

// Cuts the silence off both ends, so a key's speech starts at once, then evens the level.
void trimAndLevel(std::vector<float>& clip, double sampleRate) {
    const auto loud = [](float s) { return std::abs(s) > kSilence; };
    const auto last = std::find_if(clip.rbegin(), clip.rend(), loud).base();
    clip.erase(last, clip.end());
    clip.erase(clip.begin(), std::find_if(clip.begin(), clip.end(), loud));
    float peak = 0.f;
    for (const float s : clip)
        peak = std::max(peak, std::abs(s));
    if (peak > 0.f)
        for (float& s : clip)
            s *= kSpeechPeak / peak;
    const std::size_t fade =
        std::min(clip.size() / 2, static_cast<std::size_t>(kFadeSeconds * sampleRate));
    for (std::size_t i = 0; i < fade; ++i) {
        const float share = static_cast<float>(i) / static_cast<float>(fade);
        clip[i] *= share;
        clip[clip.size() - 1 - i] *= share;
    }
}

} // namespace

SpeechSynthesiser::SpeechSynthesiser(double sampleRate)
    : sampleRate_(sampleRate) {
    const int rate =
        espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
    if (rate <= 0)
        return;
    engineRate_ = rate;
    espeak_SetSynthCallback(collect);
}

SpeechSynthesiser::~SpeechSynthesiser() {
    if (ready())
        espeak_Terminate();
}

std::vector<float> SpeechSynthesiser::synthesise(const std::string& text,
                                                 const std::string& language) {
    if (!ready() || !useLanguage(language))
        return {};
    std::vector<std::int16_t> samples;
    const espeak_ERROR error = espeak_Synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0,
                                            espeakCHARS_UTF8, nullptr, &samples);
    if (error != EE_OK)
        return {};
    std::vector<float> clip = resampled(samples, engineRate_, sampleRate_);
    trimAndLevel(clip, sampleRate_);
    return clip;
}

bool SpeechSynthesiser::useLanguage(const std::string& language) {
    if (language == language_)
        return true;
    if (espeak_SetVoiceByName(language.c_str()) != EE_OK)
        return false;
    espeak_SetParameter(espeakRATE, kWordsPerMinute, 0);
    language_ = language;
    return true;
}

} // namespace wigglepad
