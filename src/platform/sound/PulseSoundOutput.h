#pragma once

#include "SaidOnce.h"

#include <atomic>
#include <functional>
#include <iosfwd>
#include <span>

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

namespace wigglepad {

// A mono stream to the desktop's sound server, pulled by the server's own thread: each time
// the server wants samples, `render` fills them, on that thread. The buffer holds about 20 ms,
// so what is asked for now sounds within a few hundredths of a second.
//
// Opening never waits: connecting goes on in the background. No server, or a server that goes
// away, is said once on `log` and leaves play silent; opening again tries anew.
class PulseSoundOutput {
public:
    using Render = std::function<void(std::span<float> out)>;

    PulseSoundOutput(double sampleRate, Render render, std::ostream& log);
    ~PulseSoundOutput();
    PulseSoundOutput(const PulseSoundOutput&) = delete;
    PulseSoundOutput& operator=(const PulseSoundOutput&) = delete;

    // Connects, unless a connection stands; after a failure, connects afresh.
    void open();
    // Disconnects and stops the server's thread.
    void close();
    // True while the stream is connected and being pulled.
    bool playing() const { return playing_; }

private:
    static void contextChanged(pa_context* context, void* self);
    static void streamChanged(pa_stream* stream, void* self);
    static void wantsSamples(pa_stream* stream, std::size_t bytes, void* self);
    void connectStream();
    void fail(const char* what);

    double sampleRate_;
    Render render_;
    pa_threaded_mainloop* mainloop_ = nullptr;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    SaidOnce failure_; // since the last opening
    std::atomic<bool> playing_ = false;
};

} // namespace wigglepad
