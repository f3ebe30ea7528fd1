// Listens to a sound server's sink through its monitor while playing with the program through
// XTEST, and tells how soon the input was heard:
//   keys <count>     presses A <count> times, each once the sink is quiet again, and prints each
//                    delay from the press to the first audible sample, then the median and p95;
//                    fails when a press was not heard within a second;
//   pop <seconds>    sweeps the pointer over the screen, no button down, until a sound is heard
//                    (only a bubble popping sounds then); fails if none is heard in time;
//   silent <seconds> presses A ten times a second and fails if anything is heard.
// Everything heard is also written to <recording> (raw 32-bit float, mono, 48 kHz).
// Usage: wigglepad_sound_probe <server> <sink monitor> <recording> keys|pop|silent <n>
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
using wigglepad::XTestInput;

constexpr std::uint32_t kRate = 48000;
constexpr std::size_t kChunk = 120;   // 2.5 ms
constexpr float kAudible = 0.003f;    // -50 dBFS
constexpr double kQuietSeconds = 0.6; // longer than any tone
constexpr int kSweepRows = 12;

// Reads the monitor on its own thread, counting frames, noting the latest audible one and the
// first audible one at or after a mark.
class Recorder {
public:
    Recorder(const char* server, const char* monitor, const char* path)
        : file_(std::fopen(path, "wb")) {
        const pa_sample_spec spec{PA_SAMPLE_FLOAT32NE, kRate, 1};
        const auto chooses = static_cast<std::uint32_t>(-1);
        const pa_buffer_attr attr{chooses, chooses, chooses, chooses,
                                  static_cast<std::uint32_t>(kChunk * sizeof(float))};
        int error = 0;
        stream_ = pa_simple_new(server, "sound probe", PA_STREAM_RECORD, monitor, "monitor", &spec,
                                nullptr, &attr, &error);
        if (stream_)
            thread_ = std::thread([this] { run(); });
    }
    ~Recorder() {
        stop_ = true;
        if (thread_.joinable())
            thread_.join();
        if (stream_)
            pa_simple_free(stream_);
        if (file_)
            std::fclose(file_);
    }
    bool ok() const { return stream_ && file_; }

    // The frame that is sounding at the sink now: those read plus those still on the way.
    std::int64_t now() const {
        int error = 0;
        const pa_usec_t latency = pa_simple_get_latency(stream_, &error);
        return frames_ + static_cast<std::int64_t>(latency * kRate / 1000000);
    }
    std::int64_t lastAudible() const { return lastAudible_; }
    void markFrom(std::int64_t frame) {
        firstAudible_ = -1;
        mark_ = frame;
    }
    std::int64_t firstAudible() const { return firstAudible_; }
    float peak() const { return peak_; }

private:
    void run() {
        std::vector<float> chunk(kChunk);
        int error = 0;
        while (!stop_ &&
               pa_simple_read(stream_, chunk.data(), kChunk * sizeof(float), &error) >= 0) {
            std::fwrite(chunk.data(), sizeof(float), kChunk, file_);
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

    std::FILE* file_;
    pa_simple* stream_ = nullptr;
    std::thread thread_;
    std::atomic<bool> stop_ = false;
    std::atomic<std::int64_t> frames_ = 0;
    std::atomic<std::int64_t> lastAudible_ = -1;
    std::atomic<std::int64_t> firstAudible_ = -1;
    std::atomic<std::int64_t> mark_ = 0;
    std::atomic<float> peak_ = 0.f;
};

double seconds(std::int64_t frames) {
    return static_cast<double>(frames) / kRate;
}

void waitForQuiet(const Recorder& recorder) {
    while (seconds(recorder.now() - recorder.lastAudible()) < kQuietSeconds)
        std::this_thread::sleep_for(10ms);
}

void press(XTestInput& input, unsigned int keycode) {
    input.key(keycode, true);
    input.key(keycode, false);
    input.sync();
}

// The delay of each press in milliseconds, or a negative one for a press not heard.
int keys(XTestInput& input, Recorder& recorder, int count) {
    std::vector<double> delays;
    for (int i = 0; i < count; ++i) {
        waitForQuiet(recorder);
        recorder.markFrom(recorder.now());
        const std::int64_t pressed = recorder.now();
        press(input, input.keycode(XK_a));
        const auto deadline = std::chrono::steady_clock::now() + 1s;
        while (recorder.firstAudible() < 0 && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(1ms);
        if (recorder.firstAudible() < 0) {
            std::printf("press %d: not heard within a second\n", i + 1);
            return 1;
        }
        delays.push_back(1000.0 * seconds(recorder.firstAudible() - pressed));
        std::printf("press %d: heard after %.1f ms\n", i + 1, delays.back());
    }
    std::sort(delays.begin(), delays.end());
    const auto at = [&](double share) {
        return delays[std::min(delays.size() - 1, static_cast<std::size_t>(share * delays.size()))];
    };
    std::printf("median %.1f ms, p95 %.1f ms, most %.1f ms\n", at(0.5), at(0.95), delays.back());
    return 0;
}

int pop(XTestInput& input, Recorder& recorder, double limit) {
    waitForQuiet(recorder);
    recorder.markFrom(recorder.now());
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(limit);
    const int width = input.screenWidth();
    const int height = input.screenHeight();
    while (std::chrono::steady_clock::now() < deadline) {
        for (int row = 0; row < kSweepRows && recorder.firstAudible() < 0; ++row) {
            const int y = height * (2 * row + 1) / (2 * kSweepRows);
            for (int x = 0; x <= width; x += 40) {
                input.moveTo(row % 2 ? width - x : x, y);
                input.flush();
                std::this_thread::sleep_for(4ms);
            }
        }
        if (recorder.firstAudible() >= 0) {
            std::printf("a pop was heard\n");
            return 0;
        }
    }
    std::printf("no pop heard in %.0f s\n", limit);
    return 1;
}

int silent(XTestInput& input, Recorder& recorder, double limit) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(limit);
    while (std::chrono::steady_clock::now() < deadline) {
        press(input, input.keycode(XK_a));
        std::this_thread::sleep_for(100ms);
    }
    std::this_thread::sleep_for(300ms);
    std::printf("peak %.4f\n", recorder.peak());
    return recorder.peak() > 0.f ? 1 : 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s <server> <sink monitor> <recording> keys|pop|silent <n>\n",
                     argv[0]);
        return 2;
    }
    XTestInput input;
    Recorder recorder(argv[1], argv[2], argv[3]);
    if (!input.ok() || !recorder.ok()) {
        std::fprintf(stderr, "no display or no recording\n");
        return 2;
    }
    std::this_thread::sleep_for(200ms); // the recording under way
    const std::string what = argv[4];
    const double n = std::stod(argv[5]);
    if (what == "keys")
        return keys(input, recorder, static_cast<int>(n));
    if (what == "pop")
        return pop(input, recorder, n);
    return silent(input, recorder, n);
}
