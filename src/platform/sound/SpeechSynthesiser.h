#pragma once

#include <string>
#include <vector>

namespace wigglepad {

// The speech engine, synthesising into memory: a character's name as mono samples in -1...1 at
// the rate it was made for, trimmed of leading and trailing silence and brought to one level.
// The engine keeps global state, so only one synthesiser may exist and only one thread may use it.
class SpeechSynthesiser {
public:
    explicit SpeechSynthesiser(double sampleRate);
    ~SpeechSynthesiser();
    SpeechSynthesiser(const SpeechSynthesiser&) = delete;
    SpeechSynthesiser& operator=(const SpeechSynthesiser&) = delete;

    // False when the engine or its voice data could not be loaded; nothing is then spoken.
    bool ready() const { return engineRate_ > 0; }

    // `text` (UTF-8) spoken in `language` ("en", "de", "fr"); empty when nothing could be made.
    std::vector<float> synthesise(const std::string& text, const std::string& language);

private:
    bool useLanguage(const std::string& language);

    double sampleRate_;
    int engineRate_ = 0;
    std::string language_;
};

} // namespace wigglepad
