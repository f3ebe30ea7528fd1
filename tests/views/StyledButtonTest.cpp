#include "StyledButton.h"

#include "LightAppearance.h"
#include "Pixels.h"

#include <gtest/gtest.h>

namespace wigglepad {
namespace {

const QColor kGround = QColor(Qt::magenta); // a colour no button look uses

// The button painted as the exit confirmation builds them, in a 100 x 36 label frame.
QImage painted(StyledButton& button, const char* text) {
    button.setText(QString::fromLatin1(text));
    button.setLabelSize(QSize(100, 36));
    button.resize(button.sizeHint());
    return paintedOver(button, kGround);
}

// A point inside the chrome but clear of the text and the rounded corners.
const QPoint kChrome(4, 18);

TEST(StyledButtonTest, EachLookPaintsItsChromeAndText) {
    using enum StyledButton::Look;
    struct Row {
        const char* text;
        StyledButton::Look look;
        std::optional<QColor> tint;
        QColor chrome, textColour;
    };
    for (const Row& row :
         {Row{"Exit", borderedProminent, LightAppearance::red(), LightAppearance::red(), Qt::white},
          Row{"Start", borderedProminent, std::nullopt, LightAppearance::accent(), Qt::white},
          Row{"Cancel", bordered, std::nullopt, Qt::white, Qt::black},
          Row{"Close", plain, std::nullopt, kGround, Qt::black}}) {
        SCOPED_TRACE(row.text);
        StyledButton button(row.look);
        if (row.tint)
            button.setTint(*row.tint);
        const QImage image = painted(button, row.text);
        EXPECT_TRUE(near(image.pixelColor(kChrome), row.chrome));
        EXPECT_TRUE(near(image.pixelColor(0, 0), kGround)) << "rounded corners";
        EXPECT_GT(countNear(image, row.textColour, 90), 10) << "the text";
    }
}

TEST(StyledButtonTest, AFilledButtonDarkensWhenPressed) {
    StyledButton start(StyledButton::Look::borderedProminent);
    start.setDown(true);
    EXPECT_LT(painted(start, "Start").pixelColor(kChrome).value(),
              LightAppearance::accent().value());
}

} // namespace
} // namespace wigglepad
