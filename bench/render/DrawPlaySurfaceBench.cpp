// Frame times of the play surface renderer on a full surface, one frame per sample, so the
// median and the 99th percentile are those of single frames.
#include "DrawBubbles.h"
#include "DrawCursorMarker.h"
#include "DrawHoldBars.h"
#include "DrawPlaySurface.h"
#include "DrawRibbons.h"
#include "DrawShapes.h"
#include "DrawTrail.h"
#include "FullSurface.h"
#include "PaintOnPoolThread.h"
#include "PaintPlaySurface.h"
#include "Percentile.h"
#include "RenderCaches.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cmath>
#include <map>
#include <memory>
#include <vector>

namespace wigglepad {
namespace {

constexpr int kFrames = 300;
const QColor kBackground = QColor::fromRgbF(0.98f, 0.97f, 0.95f);

// An opaque window's backing store on X11 holds RGB32 pixels; premultiplied ARGB32 paints
// as fast, every other format slower.
QImage frameImage(int width, int height) {
    return QImage(width, height, QImage::Format_RGB32);
}

// One surface and one image per canvas size, kept across the samples so that every sample
// paints the same frame and setting up is not repeated per frame.
struct Canvas {
    explicit Canvas(QSize size)
        : surface(QSizeF(size))
        , image(frameImage(size.width(), size.height())) {}
    FullSurface surface;
    QImage image;
};

Canvas& canvas(const benchmark::State& bench) {
    static std::map<std::pair<int, int>, std::unique_ptr<Canvas>> canvases;
    const std::pair<int, int> key(static_cast<int>(bench.range(0)),
                                  static_cast<int>(bench.range(1)));
    auto& slot = canvases[key];
    if (!slot) {
        slot = std::make_unique<Canvas>(QSize(key.first, key.second));
    }
    return *slot;
}

template <class Paint>
void measureFrames(benchmark::State& bench, Paint paint) {
    Canvas& c = canvas(bench);
    QPainter painter(&c.image);
    paint(painter, c.surface); // warms the caches: pictures are rendered once, not per frame
    for (auto _ : bench) {
        paint(painter, c.surface);
    }
}

void DrawPlaySurface(benchmark::State& bench) {
    measureFrames(bench, [&](QPainter& painter, const FullSurface& surface) {
        drawPlaySurface(painter, QSizeF(bench.range(0), bench.range(1)), surface.now(),
                        surface.state(), kBackground, surface.caches());
    });
}

// The same frame without handing it to Qt's pool: what the hand-off saves.
void PaintPlaySurfaceOnCallingThread(benchmark::State& bench) {
    measureFrames(bench, [&](QPainter& painter, const FullSurface& surface) {
        paintPlaySurface(painter, QSizeF(bench.range(0), bench.range(1)), surface.now(),
                         surface.state(), kBackground, surface.caches());
    });
}

// Each layer of the same frame alone, painted the way drawPlaySurface paints: what dominates.
template <class Layer>
void measureLayer(benchmark::State& bench, Layer layer) {
    measureFrames(bench, [&](QPainter& painter, const FullSurface& surface) {
        paintOnPoolThread(painter, [&] {
            painter.setRenderHint(QPainter::Antialiasing);
            layer(painter, surface.state(), surface.now(), surface.caches());
        });
    });
}

void LayerBackground(benchmark::State& bench) {
    measureLayer(bench, [&](QPainter& p, const AppState&, TimeStamp, RenderCaches&) {
        p.fillRect(QRectF(0, 0, bench.range(0), bench.range(1)), kBackground);
    });
}
void LayerBubblesAndParticles(benchmark::State& bench) {
    measureLayer(bench, [](QPainter& p, const AppState& s, TimeStamp now, RenderCaches& c) {
        drawBubbles(p, s.bubbles.get(), c.bubbles);
        drawBubbleParticles(p, s.bubbleParticles.get(), now);
    });
}
void LayerShapesAndCharacters(benchmark::State& bench) {
    measureLayer(bench, [](QPainter& p, const AppState& s, TimeStamp now, RenderCaches& c) {
        drawShapes(p, s.shapes.get(), now, c);
    });
}
void LayerRibbonsAndDragPreview(benchmark::State& bench) {
    measureLayer(bench, [](QPainter& p, const AppState& s, TimeStamp now, RenderCaches& c) {
        drawRibbons(p, s.ribbons.get(), now, c.ribbons);
        drawDragPreview(p, s.dragStart.get(), s.dragCurrent.get(), Qt::red);
    });
}
void LayerTrail(benchmark::State& bench) {
    measureLayer(bench, [](QPainter& p, const AppState& s, TimeStamp now, RenderCaches&) {
        drawTrail(p, s.trail.get(), now);
    });
}
void LayerCursorAndHoldBars(benchmark::State& bench) {
    measureLayer(bench, [&](QPainter& p, const AppState& s, TimeStamp, RenderCaches& c) {
        drawCursorMarker(p, s.cursorPosition.get(), Qt::red);
        drawHoldBars(p, QSizeF(bench.range(0), bench.range(1)), s.menuHoldProgress.get(),
                     s.exitProgress.get(), c.squircles);
    });
}

void frameSizes(benchmark::internal::Benchmark* b) {
    b->Args({1920, 1080})->Args({2560, 1600})->Args({3840, 2160});
    b->ArgNames({"", ""});
    b->Iterations(1)->Repetitions(kFrames)->ReportAggregatesOnly(true);
    b->ComputeStatistics("p99", percentile99);
    b->UseRealTime()->Unit(benchmark::kMillisecond);
}

BENCHMARK(DrawPlaySurface)->Apply(frameSizes);
BENCHMARK(PaintPlaySurfaceOnCallingThread)->Apply(frameSizes);
BENCHMARK(LayerBackground)->Apply(frameSizes);
BENCHMARK(LayerBubblesAndParticles)->Apply(frameSizes);
BENCHMARK(LayerShapesAndCharacters)->Apply(frameSizes);
BENCHMARK(LayerRibbonsAndDragPreview)->Apply(frameSizes);
BENCHMARK(LayerTrail)->Apply(frameSizes);
BENCHMARK(LayerCursorAndHoldBars)->Apply(frameSizes);

} // namespace
} // namespace wigglepad
