// The real program's figures on the display it is given (run it on Xvfb at 1920x1080, see
// measure_on_xvfb.sh): time from start to the first painted frame, then, over a few seconds of
// play each, the process's CPU use in cores, the intervals between painted frames (median and
// 99th percentile) and the peak resident memory, with the surface full and with only bubbles
// drifting. The delegate runs with the real shell, timers, clock and screen; only the settings
// live in memory, with a mode already chosen, so the play surface shows at once.
#include "AppDelegate.h"
#include "BundledFonts.h"
#include "FrameTimes.h"
#include "KioskWindow.h"
#include "MemorySettingsStore.h"
#include "NotificationCenter.h"
#include "PlayCanvas.h"
#include "PlayFeeder.h"
#include "QtScreenSource.h"
#include "QtSystemShell.h"
#include "QtTimerService.h"
#include "SavedMode.h"
#include "SystemClock.h"
#include "SystemRandomSource.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <iostream>
#include <sys/resource.h>

namespace wigglepad {
namespace {

using Clock = std::chrono::steady_clock;
using Seconds = std::chrono::duration<double>;

// Taken while the program's statics are set up, just after the process was loaded.
const Clock::time_point kProcessStart = Clock::now();

constexpr Seconds kSettle{2.0};
constexpr Seconds kMeasured{8.0};

void runEventLoopFor(Seconds span) {
    QEventLoop loop;
    QTimer::singleShot(std::chrono::duration_cast<std::chrono::milliseconds>(span), &loop,
                       &QEventLoop::quit);
    loop.exec();
}

MemorySettingsStore withSavedMode() {
    MemorySettingsStore settings;
    saveMode(settings, PlayMode::sensory);
    return settings;
}

// The program as main() wires it, launched, with its first frame painted.
class RunningApp {
public:
    RunningApp() {
        shell_.setTerminationDelegate(delegate_->terminationDelegate());
        QEventLoop loop;
        QTimer::singleShot(0, [&] {
            delegate_->applicationDidFinishLaunching();
            auto* canvas = delegate_->window()->findChild<PlayCanvas*>();
            frames_ = std::make_unique<FrameTimes>(*canvas, [&] {
                firstFrameMs =
                    std::chrono::duration<double, std::milli>(Clock::now() - kProcessStart).count();
                loop.quit();
            });
        });
        loop.exec();
    }

    AppState& state() { return delegate_->state(); }
    FrameTimes& frames() { return *frames_; }
    SurfaceSize surface() const { return screen_.surfaceSize(); }
    const wigglepad::Clock& clock() const { return clock_; }
    RandomSource& random() { return random_; }
    TimerService& timers() { return timers_; }

    double firstFrameMs = 0.0;

private:
    MemorySettingsStore settings_ = withSavedMode();
    QtSystemShell shell_{std::cerr};
    QtTimerService timers_;
    NotificationCenter notifications_;
    SystemClock clock_;
    QtScreenSource screen_;
    SystemRandomSource random_;
    std::shared_ptr<AppDelegate> delegate_ = std::make_shared<AppDelegate>(AppDelegate::Services{
        shell_, timers_, notifications_, settings_, clock_, screen_, random_});
    std::unique_ptr<FrameTimes> frames_;
};

// Launched by the first benchmark that needs it; ended before the application object.
std::unique_ptr<RunningApp> theApp;

RunningApp& runningApp() {
    if (!theApp)
        theApp = std::make_unique<RunningApp>();
    return *theApp;
}

double processCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](timeval t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double peakRssMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0; // reported in KiB
}

// Lets the play run, then measures kMeasured seconds of it.
void measurePlay(benchmark::State& run, RunningApp& app) {
    for (auto _ : run) {
        runEventLoopFor(kSettle);
        app.frames().restart();
        const double cpuBefore = processCpuSeconds();
        const Clock::time_point begin = Clock::now();
        runEventLoopFor(kMeasured);
        const double wall = Seconds(Clock::now() - begin).count();
        run.SetIterationTime(wall);
        run.counters["cpu_cores"] = (processCpuSeconds() - cpuBefore) / wall;
        run.counters["frames_per_s"] = static_cast<double>(app.frames().frames()) / wall;
        run.counters["frame_p50_ms"] = app.frames().intervalMs(0.5);
        run.counters["frame_p99_ms"] = app.frames().intervalMs(0.99);
        run.counters["peak_rss_MiB"] = peakRssMiB();
    }
}

void BM_StartToFirstFrame(benchmark::State& run) {
    RunningApp& app = runningApp();
    for (auto _ : run)
        run.SetIterationTime(app.firstFrameMs / 1000.0);
    run.counters["first_frame_ms"] = app.firstFrameMs;
}
BENCHMARK(BM_StartToFirstFrame)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

// 40 shapes (15 characters), 300 trail points behind the moving cursor, 15 ribbons, 100
// particles and 8 bubbles, kept full as play goes on, with the banner still up.
void BM_FullSurfaceAt60Hz(benchmark::State& run) {
    RunningApp& app = runningApp();
    PlayFeeder feeder(app.state(), app.clock(), app.random(), app.surface());
    feeder.fillUp();
    const auto feeding =
        app.timers().scheduleRepeating(AppDelegate::kTickInterval, [&] { feeder.feed(); });
    measurePlay(run, app);
}
BENCHMARK(BM_FullSurfaceAt60Hz)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

// Nobody plays: eight bubbles drift over the empty surface, the banner closed.
void BM_OnlyBubblesDrifting(benchmark::State& run) {
    RunningApp& app = runningApp();
    AppState& state = app.state();
    state.showBanner.set(false);
    state.cursorPosition.set(std::nullopt);
    state.shapes.set({});
    state.trail.set({});
    state.ribbons.set({});
    state.bubbleParticles.set({});
    PlayFeeder(state, app.clock(), app.random(), app.surface()).topUpBubbles();
    measurePlay(run, app);
}
BENCHMARK(BM_OnlyBubblesDrifting)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace wigglepad

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    wigglepad::BundledFonts::load();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    wigglepad::theApp.reset();
    return 0;
}
