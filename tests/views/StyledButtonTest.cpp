#include "StyledButton.h"

#include "LightAppearance.h"
#include "Pixels.h"

#include <gtest/gtest.h>

namespace wigglepad {
namespace {

const QColor kGround = QColor(Qt::magenta); // a colour no button look uses

// A button as the exit confirmation builds them: a 100 x 36 label frame.
struct ConfirmButton {
    ConfirmButton(StyledButton::Look look, const QString& text)
        : button(look) {
        button.setText(text);
        button.setLabelSize(QSize(100, 36));
        button.resize(button.sizeHint());
    }
    QImage painted() { return paintedOver(button, kGround); }
    // A point inside the chrome but clear of the text and the rounded corners.
    QPoint chromeSample() const { return QPoint(4, button.height() / 2); }

    StyledButton button;
};

TEST(StyledButtonTest, EachLookPaintsItsChromeAndText) {
    struct Row {
        const char* text;
        StyledButton::Look look;
        std::optional<QColor> tint;
        QColor chrome;
        QColor textColour;
    };
    for (const Row& row : {
             Row{"Exit", StyledButton::Look::borderedProminent, LightAppearance::red(),
                 LightAppearance::red(), Qt::white},
             Row{"Start",
                 StyledButton::Look::borderedProminent,
                 {},
                 LightAppearance::accent(),
                 Qt::white},
             Row{"Cancel", StyledButton::Look::bordered, {}, Qt::white, Qt::black},
             Row{"Close", StyledButton::Look::plain, {}, kGround, Qt::black},
         }) {
        SCOPED_TRACE(row.text);
        ConfirmButton b(row.look, QString::fromLatin1(row.text));
        if (row.tint)
            b.button.setTint(*row.tint);
        const QImage image = b.painted();
        EXPECT_TRUE(near(image.pixelColor(b.chromeSample()), row.chrome));
        EXPECT_TRUE(near(image.pixelColor(0, 0), kGround)) << "rounded corners";
        EXPECT_GT(countNear(image, row.textColour, 90), 10) << "the text";
    }
}

TEST(StyledButtonTest, AFilledButtonDarkensWhenPressed) {
    ConfirmButton start(StyledButton::Look::borderedProminent, QStringLiteral("Start"));
    start.button.setDown(true);
    EXPECT_LT(start.painted().pixelColor(start.chromeSample()).value(),
              LightAppearance::accent().value());
}

} // namespace
} // namespace wigglepad
