#include "BundledFonts.h"

#include <QFontInfo>
#include <gtest/gtest.h>

namespace wigglepad {
namespace {

// The face the renderer and the menu title ask for by name must be the bundled one.
TEST(BundledFontsTest, TheBundledFaceAnswersToNunitoBlack) {
    ASSERT_TRUE(BundledFonts::load());
    const QFontInfo rounded(BundledFonts::rounded(40));
    EXPECT_EQ(rounded.family(), QStringLiteral("Nunito"));
    EXPECT_EQ(rounded.weight(), QFont::Black);
    EXPECT_EQ(rounded.pixelSize(), 40);
}

TEST(BundledFontsTest, RefusesAMissingFileAndAFaceOfAnotherFamily) {
    EXPECT_FALSE(BundledFonts::registerFace(QStringLiteral(":/fonts/missing.ttf"),
                                            BundledFonts::roundedFamily()));
    EXPECT_FALSE(BundledFonts::registerFace(QStringLiteral(":/fonts/Nunito_900Black.ttf"),
                                            QStringLiteral("Another Family")));
}

} // namespace
} // namespace wigglepad
