// What the adult screens cost while they are open. The exit confirmation repaints with every
// frame of the play surface below it, and its frosted card draws the surface behind it once
// more; the menu catches up with every announcement of the state, sixty a second.
#include "AppState.h"
#include "BlurredBackdrop.h"
#include "DrawPlaySurface.h"
#include "ExitConfirmOverlay.h"
#include "FakeClock.h"
#include "FakeScreen.h"
#include "FullSurface.h"
#include "MemorySettingsStore.h"
#include "MenuView.h"
#include "NotificationCenter.h"
#include "Percentile.h"
#include "QtTimerService.h"
#include "ScriptedRandomSource.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cmath>
#include <vector>

namespace wigglepad {
namespace {

constexpr int kFrames = 300;
const QColor kBackground = QColor::fromRgbF(0.98f, 0.97f, 0.95f);
const QColor kInk = QColor::fromRgbF(0.18f, 0.18f, 0.24f);
const QColor kMuted = QColor::fromRgbF(0.45f, 0.45f, 0.52f);

// The confirmation over a full play surface, as the play view sets it up.
struct OpenConfirmation {
    explicit OpenConfirmation(QSize size)
        : surface(QSizeF(size))
        , frame(size, QImage::Format_RGB32) {
        overlay.resize(size);
        overlay.setBackdrop([this](QPainter& painter, QSizeF behind) {
            drawPlaySurface(painter, behind, surface.now(), surface.state(), kBackground,
                            surface.caches());
        });
    }
    FullSurface surface;
    QtTimerService timers;
    ExitConfirmOverlay overlay{[] {}, [] {}, timers};
    QImage frame;
};

QSize frameSize(const benchmark::State& bench) {
    return {static_cast<int>(bench.range(0)), static_cast<int>(bench.range(1))};
}

// The overlay's share of one frame: the dimming, the frosted card and its buttons.
void ExitConfirmationFrame(benchmark::State& bench) {
    OpenConfirmation open(frameSize(bench));
    for (auto _ : bench) {
        open.overlay.render(&open.frame);
        benchmark::DoNotOptimize(open.frame.constBits());
    }
}

// The frosted card's ground alone: the surface behind the card drawn, shrunk and blurred.
void FrostedCardGround(benchmark::State& bench) {
    OpenConfirmation open(frameSize(bench));
    const QRect card = open.overlay.cardGeometry();
    for (auto _ : bench)
        benchmark::DoNotOptimize(blurredBackdrop(
            [&](QPainter& painter, QSizeF behind) {
                drawPlaySurface(painter, behind, open.surface.now(), open.surface.state(),
                                kBackground, open.surface.caches());
            },
            QSizeF(open.frame.size()), card));
}

// One announcement of the state that changes nothing on the menu, as the frame step makes
// sixty times a second, and the menu's catching up on the next turn of the event loop.
void MenuCatchesUpWithAnAnnouncement(benchmark::State& bench) {
    FakeClock clock;
    FakeScreen screen;
    ScriptedRandomSource random;
    MemorySettingsStore settings;
    NotificationCenter notifications;
    AppState state(clock, screen, random, settings);
    MenuView menu(state, kInk, kMuted, settings, notifications);
    menu.resize(1920, 1080);
    double progress = 0.0;
    for (auto _ : bench) {
        state.exitProgress.set(progress += 0.001);
        QCoreApplication::sendPostedEvents();
    }
}

void frameSizes(benchmark::internal::Benchmark* b) {
    b->Args({1920, 1080})->Args({2560, 1600});
    b->ArgNames({"", ""});
    b->Iterations(1)->Repetitions(kFrames)->ReportAggregatesOnly(true);
    b->ComputeStatistics("p99", percentile99);
    b->UseRealTime()->Unit(benchmark::kMillisecond);
}

BENCHMARK(ExitConfirmationFrame)->Apply(frameSizes);
BENCHMARK(FrostedCardGround)->Apply(frameSizes);
BENCHMARK(MenuCatchesUpWithAnAnnouncement)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace wigglepad
