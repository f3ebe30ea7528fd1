#pragma once

#include "AppState.h"
#include "FakeClock.h"
#include "FakeScreen.h"
#include "MemorySettingsStore.h"
#include "Palette.h"
#include "QtBridge.h"
#include "ScriptedRandomSource.h"

#include <QColor>
#include <QImage>
#include <gtest/gtest.h>

namespace wigglepad {

// A play state with a hand-driven clock, painted into an image whose pixels the tests probe:
// probes sit well inside or well outside edges, so font and antialiasing details do not matter.
class RenderFixture : public ::testing::Test {
protected:
    static inline const QColor kBackground = QColor::fromRgbF(0.98f, 0.97f, 0.95f);
    static constexpr QSize kCanvas{400, 300};
    static constexpr int kTolerance = 3; // per 8-bit channel

    TimeStamp now() const { return clock.now(); }

    // The frame at `now()`, drawn over a colour no element uses so unpainted pixels stand out.
    QImage render(QSize size = kCanvas, qreal devicePixelRatio = 1.0) const;

    static QColor colour(int paletteIndex) { return toQColor(palette()[paletteIndex]); }
    // `over` composited onto `under` at `opacity`, as source-over in gamma-encoded sRGB.
    static QColor blend(const QColor& under, const QColor& over, double opacity);
    static ::testing::AssertionResult looksLike(const QColor& actual, const QColor& expected);
    static QColor at(const QImage& image, double x, double y) {
        return image.pixelColor(int(x), int(y));
    }
    static int countPixels(const QImage& image, const QRect& area, const QColor& colour);
    // Pixels of column x from row y0 to row y1 that differ from the background.
    static int paintedInColumn(const QImage& image, int x, int y0, int y1);

    PlayShape& addShape(Point position, double size, int kind, int paletteIndex);

    FakeClock clock;
    FakeScreen screen{SurfaceSize{400.0, 300.0}};
    ScriptedRandomSource random;
    MemorySettingsStore settings;
    AppState state{clock, screen, random, settings};
};

} // namespace wigglepad
