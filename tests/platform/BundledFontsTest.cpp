#include "BundledFonts.h"

#include <gtest/gtest.h>

namespace wigglepad {
namespace {

// Whether the loaded face is the bundled Nunito Black is TypeScaleTest's to check.
TEST(BundledFontsTest, RefusesAMissingFileAndAFaceOfAnotherFamily) {
    EXPECT_FALSE(BundledFonts::registerFace(QStringLiteral(":/fonts/missing.ttf"),
                                            BundledFonts::roundedFamily()));
    EXPECT_FALSE(BundledFonts::registerFace(QStringLiteral(":/fonts/Nunito_900Black.ttf"),
                                            QStringLiteral("Another Family")));
}

} // namespace
} // namespace wigglepad
