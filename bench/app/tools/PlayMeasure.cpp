// The real binary measured from outside, on the X display of $DISPLAY (run it through
// measure_on_xvfb.sh): starts it, times how long until its first frame is on screen (the warm
// off-white of the play surface at the bottom-left corner), plays with it through real input
// for 30 s (ScriptedPlay), then leaves it alone until everything but the bubbles has faded and
// watches it for 10 s more. For both spans it reports the CPU used in cores and the median and
// 99th percentile of the intervals between frames reaching the screen; then the peak resident
// memory, and the exit status SIGTERM gives. The resident memory is also said at the first frame,
// after every minute of play and at its end, so a long play shows whether it keeps growing.
// With 0 s of play it only times the start.
// Usage: wigglepad_play_measure <wigglepad binary> [seconds of play, 30 by default]
#include "ProcessUsage.h"
#include "ScreenFrames.h"
#include "ScriptedPlay.h"
#include "XTestInput.h"

#include <X11/Xutil.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace wigglepad;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using Seconds = std::chrono::duration<double>;

constexpr unsigned long kSurfaceRgb = 0xFAF7F2; // sRGB (0.98, 0.97, 0.95)
constexpr auto kPatience = 10s;
constexpr auto kFadeOut = 20s; // longer than any figure, ribbon or trail point lives
constexpr auto kQuiet = 10s;

unsigned long rootPixel(Display* display, int x, int y) {
    XImage* image = XGetImage(display, DefaultRootWindow(display), x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image) {
        return 0;
    }
    const unsigned long rgb = XGetPixel(image, 0, 0) & 0xFFFFFF;
    XDestroyImage(image);
    return rgb;
}

pid_t launch(const char* binary) {
    const pid_t pid = fork();
    if (pid == 0) {
        execl(binary, binary, static_cast<char*>(nullptr));
        std::perror("exec");
        _exit(127);
    }
    return pid;
}

// Milliseconds from `start` until the surface shows, or a negative number after the patience.
double firstFrameMs(Display* display, Clock::time_point start) {
    const int y = DisplayHeight(display, DefaultScreen(display)) - 3;
    while (rootPixel(display, 2, y) != kSurfaceRgb) {
        if (Clock::now() - start > kPatience) {
            return -1.0;
        }
        std::this_thread::sleep_for(1ms);
    }
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Span {
    double cores = 0.0;
    double medianMs = 0.0;
    double p99Ms = 0.0;
    std::size_t frames = 0;
};

// Watches the process and the screen for `length`, running `step` with the seconds elapsed
// every millisecond.
template <class Step>
Span watch(const ProcessUsage& usage, ScreenFrames& frames, Seconds length, Step step) {
    frames.poll();
    frames.restart();
    const double cpuBefore = usage.cpuSeconds();
    const Clock::time_point begin = Clock::now();
    for (Seconds elapsed{}; elapsed < length; elapsed = Clock::now() - begin) {
        step(elapsed.count());
        frames.poll();
        std::this_thread::sleep_for(1ms);
    }
    const double wall = Seconds(Clock::now() - begin).count();
    return {(usage.cpuSeconds() - cpuBefore) / wall, frames.intervalMs(0.5),
            frames.intervalMs(0.99), frames.frames()};
}

void report(const char* name, const Span& span) {
    std::printf("%-28s cores %.3f   frame interval p50 %.1f ms, p99 %.1f ms (%zu frames)\n", name,
                span.cores, span.medianMs, span.p99Ms, span.frames);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <wigglepad binary> [seconds of play]\n", argv[0]);
        return 2;
    }
    const Seconds played(argc > 2 ? std::atof(argv[2]) : 30.0);
    XTestInput input;
    if (!input.ok() || !ScreenFrames::available(input.display())) {
        std::fprintf(stderr, "no X display with the XTEST and DAMAGE extensions\n");
        return 2;
    }
    ScreenFrames frames(input.display());
    const Clock::time_point start = Clock::now();
    const pid_t pid = launch(argv[1]);
    const double firstFrame = firstFrameMs(input.display(), start);
    if (firstFrame < 0) {
        std::fprintf(stderr, "no frame within %lld s\n", static_cast<long long>(kPatience.count()));
        kill(pid, SIGKILL);
        return 1;
    }
    std::printf("start to first frame         %.1f ms\n", firstFrame);
    if (played.count() <= 0.0) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        return 0;
    }
    const ProcessUsage usage(pid);
    std::printf("resident memory, first frame %.1f MiB\n", usage.rssMiB());
    ScriptedPlay play(input);
    int minutes = 0;
    const Span playing = watch(usage, frames, played, [&](double s) {
        play.advanceTo(s);
        if (s >= 60.0 * (minutes + 1)) {
            std::printf("resident memory after %2d min %.1f MiB\n", ++minutes, usage.rssMiB());
            std::fflush(stdout);
        }
    });
    play.stop();
    std::printf("resident memory, end of play %.1f MiB\n", usage.rssMiB());
    std::this_thread::sleep_for(kFadeOut);
    const Span quiet = watch(usage, frames, kQuiet, [](double) {});
    const double peakRss = usage.peakRssMiB();

    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    report("playing (scripted input)", playing);
    report("no input (bubbles only)", quiet);
    std::printf("peak resident memory         %.1f MiB\n", peakRss);
    std::printf("exit status on SIGTERM       %d\n", WIFEXITED(status) ? WEXITSTATUS(status) : -1);
    return 0;
}
