#pragma once

#include "Color.h"
#include "Mixer.h"
#include "PulseSoundOutput.h"
#include "SpeechCache.h"

#include <iosfwd>
#include <string>

namespace wigglepad {

// What the child hears, while an adult has turned sound on: a mallet tone for each figure, its
// pitch from the figure's colour; a character's name for each character; a glide for a ribbon;
// a pop for a bubble. Asked for on the main thread, mixed on the sound server's thread.
class PlaySounds {
public:
    // Characters are spoken in `language` ("en", "de" or "fr"); troubles are said on `log`.
    PlaySounds(std::string language, std::ostream& log);

    // On opens the sound server's stream (without waiting for it), off closes it again.
    void setOn(bool on);
    bool on() const { return on_; }

    void figure(const Color& color);
    void character(const std::string& character);
    void ribbon();
    void bubblePop();

private:
    void queue(const SoundEvent& event);

    static constexpr double kSampleRate = 22050.0; // the speech engine's own rate

    std::string language_;
    bool on_ = false;
    // Declared in this order so that the stream stops before the clips and voices it plays go.
    Mixer mixer_;
    SpeechCache speech_;
    PulseSoundOutput output_;
};

} // namespace wigglepad
