// Listens to a sound server's sink through its monitor while playing with the program through
// XTEST: "keys <count>" presses A, each time once the sink is quiet again, and prints the delays
// to the first audible sample, then their median and p95 (fails when one is not heard within a
// second); "pop <seconds>" sweeps the pointer over the screen, no button down, until a sound is
// heard, as only a bubble popping sounds then; "silent <seconds>" presses A ten times a second
// and fails if anything is heard.
// Usage: wigglepad_sound_probe <server> <sink monitor> keys|pop|silent <n>
#include "XTestInput.h"

#include <X11/keysym.h>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <pulse/simple.h>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using wigglepad::XTestInput;

constexpr std::uint32_t kRate = 48000;
constexpr std::size_t kChunk = 120; // 2.5 ms
constexpr float kAudible = 0.003f;  // -50 dBFS

// Reads the monitor on its own thread, counting frames, noting the latest audible one and the
// first audible one at or after a mark.
class Recorder {
public:
    Recorder(const char* server, const char* monitor) {
        const pa_sample_spec spec{PA_SAMPLE_FLOAT32NE, kRate, 1};
        const auto any = static_cast<std::uint32_t>(-1);
        const pa_buffer_attr attr{any, any, any, any, kChunk * sizeof(float)};
        stream_ = pa_simple_new(server, "sound probe", PA_STREAM_RECORD, monitor, "monitor", &spec,
                                nullptr, &attr, nullptr);
        if (stream_)
            thread_ = std::thread([this] { run(); });
    }
    ~Recorder() {
        stop_ = true;
        if (thread_.joinable())
            thread_.join();
        if (stream_)
            pa_simple_free(stream_);
    }
    bool ok() const { return thread_.joinable(); }

    // The frame sounding at the sink now: those read plus those still on the way.
    std::int64_t now() const {
        return frames_ +
               static_cast<std::int64_t>(pa_simple_get_latency(stream_, nullptr) * kRate / 1000000);
    }
    // Waits for the sink to be quiet longer than any tone, then marks the frame from now on.
    std::int64_t markAfterQuiet() {
        while (now() - lastAudible_ < kRate * 6 / 10)
            std::this_thread::sleep_for(10ms);
        firstAudible_ = -1;
        return mark_ = now();
    }
    // The first audible frame since the mark, or -1.
    std::int64_t heard() const { return firstAudible_; }
    float peak() const { return peak_; }

private:
    void run() {
        std::vector<float> chunk(kChunk);
        while (!stop_ &&
               pa_simple_read(stream_, chunk.data(), kChunk * sizeof(float), nullptr) >= 0) {
            for (const float sample : chunk) {
                const std::int64_t frame = frames_++;
                if (std::abs(sample) < kAudible)
                    continue;
                peak_ = std::max(peak_.load(), std::abs(sample));
                lastAudible_ = frame;
                if (firstAudible_ < 0 && frame >= mark_)
                    firstAudible_ = frame;
            }
        }
    }

    pa_simple* stream_ = nullptr;
    std::thread thread_;
    std::atomic<bool> stop_ = false;
    std::atomic<std::int64_t> frames_ = 0, lastAudible_ = -1, firstAudible_ = -1, mark_ = 0;
    std::atomic<float> peak_ = 0.f;
};

void pressA(XTestInput& input) {
    input.key(input.keycode(XK_a), true);
    input.key(input.keycode(XK_a), false);
    input.sync();
}

int keys(XTestInput& input, Recorder& recorder, double count) {
    std::vector<double> delays;
    while (static_cast<double>(delays.size()) < count) {
        const std::int64_t pressed = recorder.markAfterQuiet();
        pressA(input);
        const auto deadline = Clock::now() + 1s;
        while (recorder.heard() < 0 && Clock::now() < deadline)
            std::this_thread::sleep_for(1ms);
        if (recorder.heard() < 0) {
            std::printf("press %zu: not heard within a second\n", delays.size() + 1);
            return 1;
        }
        delays.push_back(1000.0 * static_cast<double>(recorder.heard() - pressed) / kRate);
        std::printf("press %zu: heard after %.1f ms\n", delays.size(), delays.back());
    }
    std::sort(delays.begin(), delays.end());
    std::printf("median %.1f ms, p95 %.1f ms, most %.1f ms\n", delays[delays.size() / 2],
                delays[delays.size() * 95 / 100], delays.back());
    return 0;
}

// Sweeps twelve rows of the screen, back and forth, until a pop is heard or the time is up.
int pop(XTestInput& input, Recorder& recorder, Clock::time_point deadline) {
    recorder.markAfterQuiet();
    const int width = input.screenWidth();
    for (int row = 0; recorder.heard() < 0 && Clock::now() < deadline; row = (row + 1) % 12) {
        for (int x = 0; x <= width; x += 40) {
            input.moveTo(row % 2 ? width - x : x, input.screenHeight() * (2 * row + 1) / 24);
            input.flush();
            std::this_thread::sleep_for(4ms);
        }
    }
    std::printf(recorder.heard() < 0 ? "no pop heard in time\n" : "a pop was heard\n");
    return recorder.heard() < 0 ? 1 : 0;
}

int silent(XTestInput& input, Recorder& recorder, Clock::time_point deadline) {
    while (Clock::now() < deadline) {
        pressA(input);
        std::this_thread::sleep_for(100ms);
    }
    std::this_thread::sleep_for(300ms);
    std::printf("peak %.4f\n", recorder.peak());
    return recorder.peak() > 0.f ? 1 : 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s <server> <monitor> keys|pop|silent <n>\n", argv[0]);
        return 2;
    }
    XTestInput input;
    Recorder recorder(argv[1], argv[2]);
    if (!input.ok() || !recorder.ok()) {
        std::fprintf(stderr, "no display or no recording\n");
        return 2;
    }
    std::this_thread::sleep_for(200ms); // the recording under way
    const std::string what = argv[3];
    const double n = std::stod(argv[4]);
    const auto deadline = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                             std::chrono::duration<double>(n));
    if (what == "keys")
        return keys(input, recorder, n);
    return what == "pop" ? pop(input, recorder, deadline) : silent(input, recorder, deadline);
}
