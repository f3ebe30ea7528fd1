#pragma once

#include "BackdropPainter.h"

#include <QImage>
#include <QRect>

namespace wigglepad {

// The part `area` of what `paintBehind` draws on a surface of `surface` points, strongly blurred
// (a spread of about 20 points), as an image of the area's size: the ground of a pane that reads
// as frosted glass. The area is drawn, shrunk to an eighth and blurred there, which is what
// spreads it and what keeps it cheap enough to redo on every frame.
QImage blurredBackdrop(const BackdropPainter& paintBehind, QSizeF surface, const QRect& area);

} // namespace wigglepad
