#pragma once

#include <QSizeF>
#include <functional>

class QPainter;

namespace wigglepad {

// Paints what lies behind an overlay over the whole surface, in surface points; the play view
// hands one that draws the play surface as it looks now.
using BackdropPainter = std::function<void(QPainter& painter, QSizeF surface)>;

} // namespace wigglepad
