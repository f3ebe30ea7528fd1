#include "PlaySounds.h"

#include "Palette.h"
#include "PentatonicScale.h"

#include <algorithm>

namespace wigglepad {

namespace {

// The palette's colours in order climb the scale from C5 to C6.
int scaleDegreeOf(const Color& color) {
    const auto& colours = palette();
    const auto found = std::find(colours.begin(), colours.end(), color.withOpacity(1.0));
    return found == colours.end() ? 0 : static_cast<int>(found - colours.begin());
}

} // namespace

PlaySounds::PlaySounds(std::string language, std::ostream& log)
    : language_(std::move(language))
    , mixer_(kSampleRate)
    , speech_(
          kSampleRate,
          [this](std::span<const float> clip) {
              queue({SoundEvent::Kind::speech, 0.0, clip});
          },
          log)
    , output_(
          kSampleRate, [this](std::span<float> out) { mixer_.render(out); }, log) {}

void PlaySounds::setOn(bool on) {
    on_ = on;
    if (on)
        output_.open();
    else
        output_.close();
}

void PlaySounds::figure(const Color& color) {
    queue({SoundEvent::Kind::tone, pentatonicFrequency(scaleDegreeOf(color)), {}});
}

void PlaySounds::character(const std::string& character) {
    if (on_)
        speech_.say(character, language_);
}

void PlaySounds::ribbon() {
    queue({SoundEvent::Kind::glide, 0.0, {}});
}

void PlaySounds::bubblePop() {
    queue({SoundEvent::Kind::pop, 0.0, {}});
}

// Nothing waits for a stream that is not there, to burst out when it comes. A full queue drops
// the sound: with eight voices sounding it would not be heard anyway.
void PlaySounds::queue(const SoundEvent& event) {
    if (on_ && output_.playing())
        mixer_.queue(event);
}

} // namespace wigglepad
