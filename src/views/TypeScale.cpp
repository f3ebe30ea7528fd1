#include "TypeScale.h"

#include "BundledFonts.h"

#include <QFontDatabase>
#include <algorithm>
#include <cmath>

namespace wigglepad {

namespace {

QFont sized(QFont font, TextStyle style) {
    font.setPixelSize(TypeScale::pixelSize(style));
    font.setWeight(TypeScale::weight(style));
    return font;
}

} // namespace

int TypeScale::pixelSize(TextStyle style) {
    switch (style) {
    case TextStyle::title2:
        return 22;
    case TextStyle::title3:
        return 18;
    case TextStyle::headline:
    case TextStyle::body:
        return 15;
    case TextStyle::subheadline:
        return 14;
    case TextStyle::footnote:
        return 13;
    case TextStyle::caption:
        return 12;
    }
    return 15;
}

QFont::Weight TypeScale::weight(TextStyle style) {
    return style == TextStyle::headline ? QFont::DemiBold : QFont::Normal;
}

QFont TypeScale::font(TextStyle style) {
    return sized(QFontDatabase::systemFont(QFontDatabase::GeneralFont), style);
}

QFont TypeScale::monospaced(TextStyle style) {
    return sized(QFontDatabase::systemFont(QFontDatabase::FixedFont), style);
}

QFont TypeScale::scaled(QFont font, double scale) {
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * scale))));
    return font;
}

QFont TypeScale::rounded(int pixelSize) {
    return BundledFonts::rounded(pixelSize);
}

} // namespace wigglepad
