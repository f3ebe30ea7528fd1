// How often the tick timers really fire on this machine's Qt event loop: the paced timer that
// the 1/60 s tick and the frame clock use, beside a plain 16 ms QTimer for comparison.
#include "PacedTimer.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <memory>

namespace wigglepad {
namespace {

using Clock = TickSchedule::Clock;

constexpr int kTicksPerRun = 120;
const auto kSixtieth =
    std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(1.0 / 60.0));

double seconds(Clock::duration span) {
    return std::chrono::duration<double>(span).count();
}

// Runs the event loop until the timer that `start` makes has ticked kTicksPerRun times (its
// action calls the `ticked` it is given), and reports the rate over all runs.
template <typename StartTimer>
void measureRate(benchmark::State& run, StartTimer start) {
    double totalSeconds = 0.0;
    for (auto _ : run) {
        QEventLoop loop;
        int ticks = 0;
        const auto ticked = [&] {
            if (++ticks == kTicksPerRun) {
                loop.quit();
            }
        };
        const auto begin = Clock::now();
        const auto timer = start(ticked);
        loop.exec();
        const double spent = seconds(Clock::now() - begin);
        run.SetIterationTime(spent);
        totalSeconds += spent;
    }
    run.counters["ticks_per_second"] =
        static_cast<double>(kTicksPerRun * run.iterations()) / totalSeconds;
}

void BM_PacedTimerAt60HzTicksPerSecond(benchmark::State& run) {
    double worstLateMs = 0.0;
    measureRate(run, [&worstLateMs](auto ticked) {
        auto self = std::make_shared<PacedTimer*>(nullptr);
        auto timer = std::make_unique<PacedTimer>([&worstLateMs, ticked, self] {
            const auto late = Clock::now() - *(*self)->currentTarget();
            worstLateMs = std::max(worstLateMs, seconds(late) * 1000.0);
            ticked();
        });
        *self = timer.get();
        timer->start(kSixtieth);
        return timer;
    });
    run.counters["worst_late_ms"] = worstLateMs;
}
BENCHMARK(BM_PacedTimerAt60HzTicksPerSecond)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

void BM_PlainQTimer16msTicksPerSecond(benchmark::State& run) {
    measureRate(run, [](auto ticked) {
        auto timer = std::make_unique<QTimer>();
        timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer.get(), &QTimer::timeout, ticked);
        timer->start(16);
        return timer;
    });
}
BENCHMARK(BM_PlainQTimer16msTicksPerSecond)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace wigglepad

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
