#include "TypeScale.h"

#include "BundledFonts.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <gtest/gtest.h>

namespace wigglepad {
namespace {

// Measured rather than asked of the font system, which misses it for some fixed-pitch faces.
bool isMonospaced(const QFont& font) {
    const QFontMetricsF metrics(font);
    return metrics.horizontalAdvance(QLatin1Char('i')) ==
           metrics.horizontalAdvance(QLatin1Char('W'));
}

// The key names in the menu's rows are fixed-pitch; the titles come from the bundled face.
TEST(TypeScaleTest, TheMonospacedAndRoundedFacesAreTheRightOnesAtTheRightSize) {
    EXPECT_TRUE(isMonospaced(TypeScale::monospaced(TextStyle::body)));
    EXPECT_FALSE(isMonospaced(TypeScale::font(TextStyle::body)));
    EXPECT_EQ(QFontInfo(TypeScale::monospaced(TextStyle::body)).pixelSize(),
              TypeScale::pixelSize(TextStyle::body));
    const QFontInfo title(TypeScale::rounded(56));
    EXPECT_EQ(title.family(), BundledFonts::roundedFamily());
    EXPECT_EQ(title.weight(), QFont::Black);
    EXPECT_EQ(title.pixelSize(), 56);
}

} // namespace
} // namespace wigglepad
