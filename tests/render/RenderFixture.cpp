#include "RenderFixture.h"

#include "drawPlaySurface.h"

#include <QPainter>
#include <cstdlib>

namespace wigglepad {

QImage RenderFixture::render(QSize size, qreal devicePixelRatio) const {
    QImage image(size * devicePixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    drawPlaySurface(painter, QSizeF(size), now(), state, kBackground);
    return image;
}

QColor RenderFixture::blend(const QColor& under, const QColor& over, double opacity) {
    const double a = opacity * over.alphaF();
    const auto mix = [a](int u, int o) { return int(std::lround(o * a + u * (1.0 - a))); };
    return QColor(mix(under.red(), over.red()), mix(under.green(), over.green()),
                  mix(under.blue(), over.blue()));
}

::testing::AssertionResult RenderFixture::looksLike(const QColor& actual, const QColor& expected) {
    const bool close = std::abs(actual.red() - expected.red()) <= kTolerance &&
                       std::abs(actual.green() - expected.green()) <= kTolerance &&
                       std::abs(actual.blue() - expected.blue()) <= kTolerance;
    if (close) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "pixel " << actual.name().toStdString() << ", expected "
                                         << expected.name().toStdString();
}

int RenderFixture::countPixels(const QImage& image, const QRect& area, const QColor& colour) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += looksLike(image.pixelColor(x, y), colour) ? 1 : 0;
        }
    }
    return count;
}

int RenderFixture::paintedInColumn(const QImage& image, int x, int y0, int y1) {
    const int height = y1 - y0 + 1;
    return height - countPixels(image, QRect(x, y0, 1, height), kBackground);
}

PlayShape& RenderFixture::addShape(Point position, double size, int kind, int paletteIndex) {
    PlayShape shape;
    shape.position = position;
    shape.size = size;
    shape.kind = kind;
    shape.color = palette()[paletteIndex];
    shape.born = now();
    state.shapes.modify([&](auto& shapes) { shapes.push_back(shape); });
    return state.shapes.unannounced().back();
}

} // namespace wigglepad
