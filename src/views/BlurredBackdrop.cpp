#include "BlurredBackdrop.h"

#include <QPainter>
#include <algorithm>
#include <vector>

namespace wigglepad {

namespace {

constexpr int kDownscale = 8; // surface points per pixel of the small picture
constexpr int kBoxRadius = 2; // in small pixels
constexpr int kBoxPasses = 3; // three box passes come close to a Gaussian
constexpr int kBoxWidth = 2 * kBoxRadius + 1;
constexpr int kReach = kBoxRadius * kBoxPasses; // small pixels beyond the area the blur reads

QRgb average(const std::vector<QRgb>& line, int centre) {
    const int last = static_cast<int>(line.size()) - 1;
    int sum[4] = {0, 0, 0, 0};
    for (int k = -kBoxRadius; k <= kBoxRadius; ++k) {
        const QRgb p = line[static_cast<std::size_t>(std::clamp(centre + k, 0, last))];
        sum[0] += qRed(p);
        sum[1] += qGreen(p);
        sum[2] += qBlue(p);
        sum[3] += qAlpha(p);
    }
    const auto mean = [](int total) { return (total + kBoxWidth / 2) / kBoxWidth; };
    return qRgba(mean(sum[0]), mean(sum[1]), mean(sum[2]), mean(sum[3]));
}

// One box pass along every row or every column, edges held; premultiplied pixels average
// correctly as they are.
void boxPass(QImage& image, bool alongRows) {
    const int lines = alongRows ? image.height() : image.width();
    const int count = alongRows ? image.width() : image.height();
    std::vector<QRgb> line(static_cast<std::size_t>(count));
    for (int l = 0; l < lines; ++l) {
        const auto pixel = [&](int i) -> QRgb& {
            return alongRows ? reinterpret_cast<QRgb*>(image.scanLine(l))[i]
                             : reinterpret_cast<QRgb*>(image.scanLine(i))[l];
        };
        for (int i = 0; i < count; ++i)
            line[static_cast<std::size_t>(i)] = pixel(i);
        for (int i = 0; i < count; ++i)
            pixel(i) = average(line, i);
    }
}

// Drawn at full size, with the painter only moved, and shrunk afterwards: a painter that scales
// would ask the backdrop for more than plain drawing.
QImage smallPicture(const BackdropPainter& paintBehind, QSizeF surface, const QRect& region) {
    QImage picture(region.size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(-region.topLeft());
        paintBehind(painter, surface);
    }
    return picture.scaled(region.width() / kDownscale, region.height() / kDownscale,
                          Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

QImage blurredBackdrop(const BackdropPainter& paintBehind, QSizeF surface, const QRect& area) {
    const int reach = kReach * kDownscale;
    const QRect region = area.adjusted(-reach, -reach, reach, reach);
    QImage picture = smallPicture(paintBehind, surface, region);
    for (int pass = 0; pass < kBoxPasses; ++pass) {
        boxPass(picture, true);
        boxPass(picture, false);
    }
    QImage result(area.size(), QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF target(region.topLeft() - area.topLeft(), region.size());
    painter.drawImage(target, picture);
    return result;
}

} // namespace wigglepad
