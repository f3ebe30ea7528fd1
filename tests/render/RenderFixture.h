#pragma once

#include "AppState.h"
#include "DrawPlaySurface.h"
#include "FakeClock.h"
#include "FakeScreen.h"
#include "MemorySettingsStore.h"
#include "Palette.h"
#include "Pixels.h"
#include "QtBridge.h"
#include "RenderCaches.h"
#include "ScriptedRandomSource.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>
#include <span>
#include <tuple>

namespace wigglepad {

// A play state with a hand-driven clock, painted into an image whose pixels the tests probe:
// probes sit well inside or well outside edges, so font and antialiasing details do not matter.
class RenderFixture : public ::testing::Test {
protected:
    static inline const QColor kBackground = QColor::fromRgbF(0.98f, 0.97f, 0.95f);
    static constexpr QSize kCanvas{400, 300};

    TimeStamp now() const { return clock.now(); }

    // The frame at `now()`, drawn over a colour no element uses so unpainted pixels stand out.
    QImage render(QSize size = kCanvas, qreal devicePixelRatio = 1.0) const {
        QImage image(size * devicePixelRatio, QImage::Format_RGB32);
        image.setDevicePixelRatio(devicePixelRatio);
        image.fill(Qt::magenta);
        QPainter painter(&image);
        painter.setOpacity(0.4); // the frame sets its own and must give this back
        drawPlaySurface(painter, QSizeF(size), now(), state, kBackground, caches);
        EXPECT_DOUBLE_EQ(painter.opacity(), 0.4) << "the painter's state is left as found";
        return image;
    }

    static QColor colour(int paletteIndex) { return toQColor(palette()[paletteIndex]); }
    // `over` composited onto `under` at `opacity`, as source-over in gamma-encoded sRGB.
    static QColor blend(const QColor& under, const QColor& over, double opacity) {
        const double a = opacity * over.alphaF();
        const auto mix = [a](int u, int o) { return int(std::lround(o * a + u * (1.0 - a))); };
        return QColor(mix(under.red(), over.red()), mix(under.green(), over.green()),
                      mix(under.blue(), over.blue()));
    }
    static QColor onBackground(int paletteIndex, double opacity) {
        return blend(kBackground, colour(paletteIndex), opacity);
    }
    static ::testing::AssertionResult looksLike(const QColor& actual, const QColor& expected) {
        if (near(actual, expected, 3))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "pixel " << actual.name().toStdString()
                                             << ", expected " << expected.name().toStdString();
    }
    static QColor at(const QImage& image, double x, double y) {
        return image.pixelColor(int(x), int(y));
    }
    using Probe = std::tuple<double, double, QColor>;
    static void expectPixels(const QImage& image, std::span<const Probe> probes) {
        for (const auto& [x, y, expected] : probes)
            EXPECT_TRUE(looksLike(at(image, x, y), expected)) << "at " << x << ", " << y;
    }
    static int countPixels(const QImage& image, const QRect& area, const QColor& colour) {
        return countNear(image.copy(area), colour, 3);
    }
    static bool isBlank(const QImage& image) {
        return countPixels(image, image.rect(), kBackground) == image.width() * image.height();
    }
    // Pixels of column x from row y0 to row y1 that differ from the background.
    static int paintedInColumn(const QImage& image, int x, int y0, int y1) {
        return y1 - y0 + 1 - countPixels(image, QRect(x, y0, 1, y1 - y0 + 1), kBackground);
    }

    PlayShape& addShape(Point position, double size, int kind, int paletteIndex) {
        PlayShape& shape = state.shapes.unannounced().emplace_back();
        shape.position = position;
        shape.size = size;
        shape.kind = kind;
        shape.color = palette()[paletteIndex];
        shape.born = now();
        return shape;
    }
    void addTrailPoint(double x, double bornAgo, int paletteIndex = 0) {
        state.trail.unannounced().push_back({{x, 150}, palette()[paletteIndex], now() - bornAgo});
    }
    // A straight ribbon in palette colour 1.
    void addRibbon(Point start, Point end, double width, double bornAgo = 0.0) {
        const Point third = (end - start) * (1.0 / 3.0);
        state.ribbons.unannounced().emplace_back(Uuid{}, start, end, start + third,
                                                 start + third * 2.0, palette()[1], width,
                                                 now() - bornAgo);
    }

    FakeClock clock;
    FakeScreen screen{SurfaceSize{400.0, 300.0}};
    ScriptedRandomSource random;
    MemorySettingsStore settings;
    AppState state{clock, screen, random, settings};
    mutable RenderCaches caches{QStringLiteral("Nunito")}; // the face main.cpp registers
};

} // namespace wigglepad
