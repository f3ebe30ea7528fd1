#include "BundledFonts.h"

#include <QFontInfo>
#include <gtest/gtest.h>

namespace wigglepad {
namespace {

// The face the renderer and the menu title ask for by name must be the bundled one.
TEST(BundledFontsTest, TheBundledFaceAnswersToNunitoBlack) {
    ASSERT_TRUE(BundledFonts::load());
    EXPECT_TRUE(BundledFonts::load()) << "a second call gives the first answer";

    QFont byName(QStringLiteral("Nunito"));
    byName.setWeight(QFont::Black);
    const QFontInfo asked(byName);
    EXPECT_EQ(asked.family(), QStringLiteral("Nunito"));
    EXPECT_EQ(asked.weight(), QFont::Black);

    const QFontInfo rounded(BundledFonts::rounded(40));
    EXPECT_EQ(rounded.family(), BundledFonts::roundedFamily());
    EXPECT_EQ(rounded.weight(), BundledFonts::kRoundedWeight);
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
