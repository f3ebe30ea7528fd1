#pragma once

#include "Limiter.h"
#include "SoundEvent.h"
#include "SpscQueue.h"
#include "Voice.h"

#include <array>
#include <cstddef>
#include <span>

namespace wigglepad {

// The sound of play: events queued from one thread, mono samples rendered on another (the
// sound server's callback). Rendering never allocates, locks or waits. At most eight voices
// sound together, the oldest giving way (it fades out over a few milliseconds beside them, so it
// does not click); new speech replaces speech still playing; a limiter holds the peaks at about
// -12 dBFS however many sounds pile up.
class Mixer {
public:
    static constexpr std::size_t kMostVoices = 8;
    static constexpr float kCeiling = 0.25f; // -12 dBFS

    explicit Mixer(double sampleRate);

    // The queueing thread: false when the queue is full and the event is dropped.
    bool queue(const SoundEvent& event) { return events_.push(event); }

    // The rendering thread: starts what was queued, then writes the next samples into `out`.
    void render(std::span<float> out);

    double sampleRate() const { return sampleRate_; }
    // The voices sounding now, for the rendering thread and tests.
    std::size_t soundingVoices() const;

private:
    void startQueued();
    Voice& voiceFor(const SoundEvent& event);
    Voice& giveWay(Voice& voice);
    std::array<Voice*, kMostVoices + 1> allVoices(); // the one giving way first

    // Room for a burst of a hand on the keyboard between two renders; more are dropped.
    static constexpr std::size_t kQueueSlots = 64;

    double sampleRate_;
    SpscQueue<SoundEvent, kQueueSlots> events_;
    std::array<Voice, kMostVoices> voices_;
    Voice leaving_; // the last voice that gave way, fading out
    Limiter limiter_;
};

} // namespace wigglepad
