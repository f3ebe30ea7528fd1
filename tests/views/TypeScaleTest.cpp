#include "TypeScale.h"

#include "BundledFonts.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <gtest/gtest.h>

namespace wigglepad {
namespace {

int lineHeight(TextStyle style) {
    return QFontMetrics(TypeScale::font(style)).height();
}

// Measured rather than asked of the font system, which misses it for some fixed-pitch faces.
bool isMonospaced(const QFont& font) {
    const QFontMetricsF metrics(font);
    return metrics.horizontalAdvance(QLatin1Char('i')) ==
           metrics.horizontalAdvance(QLatin1Char('W'));
}

// The sizes are compared as laid out, so a scale the font system cannot honour shows up.
TEST(TypeScaleTest, StylesStepDownFromTheTitlesToTheCaption) {
    EXPECT_GT(lineHeight(TextStyle::title2), lineHeight(TextStyle::title3));
    EXPECT_GT(lineHeight(TextStyle::title3), lineHeight(TextStyle::body));
    EXPECT_GE(lineHeight(TextStyle::body), lineHeight(TextStyle::subheadline));
    EXPECT_GT(lineHeight(TextStyle::body), lineHeight(TextStyle::footnote));
    EXPECT_GE(lineHeight(TextStyle::subheadline), lineHeight(TextStyle::footnote));
    EXPECT_GT(lineHeight(TextStyle::footnote), lineHeight(TextStyle::caption));
    EXPECT_GE(lineHeight(TextStyle::headline), lineHeight(TextStyle::subheadline));
}

// The banner's title (headline) must stand out from its instructions (subheadline).
TEST(TypeScaleTest, HeadlineIsHeavierThanTheTextAroundIt) {
    const int headline = QFontInfo(TypeScale::font(TextStyle::headline)).weight();
    EXPECT_GT(headline, QFontInfo(TypeScale::font(TextStyle::subheadline)).weight());
    EXPECT_GT(headline, QFontInfo(TypeScale::font(TextStyle::body)).weight());
}

TEST(TypeScaleTest, TheMonospacedFaceKeepsTheStyleSize) {
    for (TextStyle style : {TextStyle::subheadline, TextStyle::body}) {
        EXPECT_TRUE(isMonospaced(TypeScale::monospaced(style)));
        EXPECT_EQ(QFontInfo(TypeScale::monospaced(style)).pixelSize(), TypeScale::pixelSize(style));
    }
    EXPECT_FALSE(isMonospaced(TypeScale::font(TextStyle::subheadline)));
}

TEST(TypeScaleTest, TheRoundedFaceIsTheBundledHeavyFace) {
    const QFontInfo title(TypeScale::rounded(56));
    EXPECT_EQ(title.family(), BundledFonts::roundedFamily());
    EXPECT_EQ(title.weight(), QFont::Black);
    EXPECT_EQ(title.pixelSize(), 56);
}

} // namespace
} // namespace wigglepad
