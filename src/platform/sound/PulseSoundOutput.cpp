#include "PulseSoundOutput.h"

#include <cmath>
#include <ostream>
#include <pulse/pulseaudio.h>
#include <string>

namespace wigglepad {

namespace {

// What the server holds ahead of the speaker: short, so a key's sound follows it closely.
constexpr double kBufferSeconds = 0.02;
// The server asks for more once this share of the buffer has played: every 10 ms, which costs
// half the wake-ups of its own choice and still leaves 10 ms in hand.
constexpr std::uint32_t kRefillShare = 2;

} // namespace

PulseSoundOutput::PulseSoundOutput(double sampleRate, Render render, std::ostream& log)
    : sampleRate_(sampleRate)
    , render_(std::move(render))
    , failure_(log) {}

PulseSoundOutput::~PulseSoundOutput() {
    close();
}

void PulseSoundOutput::open() {
    if (mainloop_ && !failure_.said())
        return;
    close();
    failure_.forget();
    mainloop_ = pa_threaded_mainloop_new();
    context_ = pa_context_new(pa_threaded_mainloop_get_api(mainloop_), "Wigglepad");
    pa_context_set_state_callback(context_, &PulseSoundOutput::contextChanged, this);
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        fail("no sound server");
        return;
    }
    pa_threaded_mainloop_start(mainloop_);
}

// Once the thread has stopped nothing else touches the connection.
void PulseSoundOutput::close() {
    if (!mainloop_)
        return;
    pa_threaded_mainloop_stop(mainloop_);
    if (stream_) {
        pa_stream_disconnect(stream_);
        pa_stream_unref(stream_);
        stream_ = nullptr;
    }
    pa_context_disconnect(context_);
    pa_context_unref(context_);
    context_ = nullptr;
    pa_threaded_mainloop_free(mainloop_);
    mainloop_ = nullptr;
    playing_ = false;
}

void PulseSoundOutput::contextChanged(pa_context* context, void* self) {
    auto* output = static_cast<PulseSoundOutput*>(self);
    switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY:
        output->connectStream();
        break;
    case PA_CONTEXT_FAILED:
        output->fail(output->playing_ ? "the sound server went away" : "no sound server");
        break;
    default:
        break;
    }
}

void PulseSoundOutput::connectStream() {
    const pa_sample_spec spec{PA_SAMPLE_FLOAT32NE, static_cast<std::uint32_t>(sampleRate_), 1};
    const auto bufferBytes =
        static_cast<std::uint32_t>(std::lround(kBufferSeconds * sampleRate_) * sizeof(float));
    const auto serverChooses = static_cast<std::uint32_t>(-1);
    const pa_buffer_attr buffer{serverChooses, bufferBytes, serverChooses,
                                bufferBytes / kRefillShare, serverChooses};
    stream_ = pa_stream_new(context_, "Play sounds", &spec, nullptr);
    if (!stream_) {
        fail("the sound server refused a stream");
        return;
    }
    pa_stream_set_state_callback(stream_, &PulseSoundOutput::streamChanged, this);
    pa_stream_set_write_callback(stream_, &PulseSoundOutput::wantsSamples, this);
    if (pa_stream_connect_playback(stream_, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr,
                                   nullptr) < 0)
        fail("no sound output");
}

void PulseSoundOutput::streamChanged(pa_stream* stream, void* self) {
    auto* output = static_cast<PulseSoundOutput*>(self);
    switch (pa_stream_get_state(stream)) {
    case PA_STREAM_READY:
        output->playing_ = true;
        break;
    case PA_STREAM_FAILED:
        output->fail(output->playing_ ? "the sound server went away" : "no sound output");
        break;
    default:
        break;
    }
}

// The mixer writes straight into the server's own memory block: nothing is allocated here.
void PulseSoundOutput::wantsSamples(pa_stream* stream, std::size_t bytes, void* self) {
    auto* output = static_cast<PulseSoundOutput*>(self);
    while (bytes >= sizeof(float)) {
        void* data = nullptr;
        std::size_t granted = bytes;
        if (pa_stream_begin_write(stream, &data, &granted) < 0 || !data)
            return;
        granted -= granted % sizeof(float);
        output->render_(std::span(static_cast<float*>(data), granted / sizeof(float)));
        pa_stream_write(stream, data, granted, nullptr, 0, PA_SEEK_RELATIVE);
        bytes -= granted;
    }
}

// Said once per opening; play goes on without sound.
void PulseSoundOutput::fail(const char* what) {
    playing_ = false;
    failure_.say(std::string(what) + "; playing on without sound");
}

} // namespace wigglepad
