#include "AllocationCounter.h"
#include "FullPlay.h"

#include <benchmark/benchmark.h>

namespace wigglepad {
namespace {

// Particles live 36 frames; refilled every 30, the lists stay full.
constexpr std::int64_t kFramesBetweenRefills = 30;
constexpr int kRepetitions = 9;
constexpr double kCursorClearOfBubbles = 150.0;
constexpr double kCursorThroughBubbles = 300.0;

void reportAllocations(benchmark::State& run, std::uint64_t before) {
    run.counters["allocs_per_call"] = benchmark::Counter(
        static_cast<double>(heapAllocationCount() - before), benchmark::Counter::kAvgIterations);
}

void frameStep(benchmark::State& run, double cursorCircleRadius) {
    FullPlay play(cursorCircleRadius);
    std::int64_t frames = 0;
    const std::uint64_t before = heapAllocationCount();
    for (auto _ : run) {
        play.frame();
        if (++frames % kFramesBetweenRefills == 0) {
            run.PauseTiming();
            play.refill();
            run.ResumeTiming();
        }
    }
    reportAllocations(run, before);
    run.counters["announcements_per_call"] = benchmark::Counter(
        static_cast<double>(play.announcements()), benchmark::Counter::kAvgIterations);
}

// Full lists of young records: every pass reads every record and keeps it.
void pruneOnFullLists(benchmark::State& run) {
    FullPlay play(kCursorClearOfBubbles);
    const std::uint64_t before = heapAllocationCount();
    for (auto _ : run) {
        play.state().pruneExpired();
    }
    reportAllocations(run, before);
}

// A pointer move with the trail at its cap of 300: append one, drop the oldest.
void addTrailPointOnFullTrail(benchmark::State& run) {
    FullPlay play(kCursorClearOfBubbles);
    const std::uint64_t before = heapAllocationCount();
    for (auto _ : run) {
        play.state().addTrailPoint(play.nextCursorPoint());
    }
    reportAllocations(run, before);
}

// Steady play: the cursor pushes shapes but stays clear of the eight bubbles.
BENCHMARK_CAPTURE(frameStep, full, kCursorClearOfBubbles)
    ->Name("FrameStep/full")
    ->Repetitions(kRepetitions)
    ->DisplayAggregatesOnly(true);
// The cursor sweeps through the bubbles: bursts of particles, the particle cap, bubbles entering.
BENCHMARK_CAPTURE(frameStep, popping, kCursorThroughBubbles)
    ->Name("FrameStep/popping")
    ->Repetitions(kRepetitions)
    ->DisplayAggregatesOnly(true);
BENCHMARK(pruneOnFullLists)
    ->Name("PruneExpired/full")
    ->Repetitions(kRepetitions)
    ->DisplayAggregatesOnly(true);
BENCHMARK(addTrailPointOnFullTrail)
    ->Name("AddTrailPoint/full")
    ->Repetitions(kRepetitions)
    ->DisplayAggregatesOnly(true);

} // namespace
} // namespace wigglepad

BENCHMARK_MAIN();
