#pragma once

#include "TextStyle.h"

#include <QFont>

namespace wigglepad {

// One type scale for the adult screens, in logical pixels, sized for desktop screens of
// 1280 x 800 to 1920 x 1080: titles stand out, body text reads at arm's length, captions stay
// legible. The faces come from the system's sans and fixed-pitch families.
class TypeScale {
public:
    // The style's face: its size and weight (only `headline` is heavier than regular).
    static QFont font(TextStyle style);

    // The same size and weight in the fixed-pitch family, for the key chips.
    static QFont monospaced(TextStyle style);

    // The heavy rounded face at `pixelSize`, for the menu title; a bold sans when the bundled
    // face is missing.
    static QFont rounded(int pixelSize);

    // `font` with its pixel size times `scale`, for screens a whole column is shrunk to fit.
    static QFont scaled(QFont font, double scale);

    static int pixelSize(TextStyle style);
    static QFont::Weight weight(TextStyle style);
};

} // namespace wigglepad
