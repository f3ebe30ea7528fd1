#pragma once

#include <QColor>
#include <QImage>
#include <cstdlib>

namespace wigglepad {

// The widget as it paints itself over a ground of the given colour, at one pixel per point. A
// template, so that tests of images alone need no widgets.
template <typename Widget>
QImage paintedOver(Widget& widget, const QColor& ground) {
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(ground);
    widget.render(&image, QPoint(), QRegion(), Widget::DrawChildren);
    return image;
}

// Whether no 8-bit channel of the two differs by more than `tolerance`.
inline bool near(const QColor& a, const QColor& b, int tolerance = 12) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

// How many pixels of `image` are close to `colour`.
inline int countNear(const QImage& image, const QColor& colour, int tolerance = 40) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += near(image.pixelColor(x, y), colour, tolerance) ? 1 : 0;
    return count;
}

} // namespace wigglepad
