#include "StyledButton.h"

#include "LightAppearance.h"
#include "WidgetPixels.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace wigglepad {
namespace {

const QColor kGround = QColor(Qt::magenta); // a colour no button look uses

// A button as the exit confirmation builds them: a 100 x 36 label frame.
struct ConfirmButton {
    explicit ConfirmButton(StyledButton::Look look, const QString& text)
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

TEST(StyledButtonTest, ExitIsAFilledRedButtonWithWhiteText) {
    ConfirmButton exit(StyledButton::Look::borderedProminent, QStringLiteral("Exit"));
    exit.button.setTint(LightAppearance::red());
    const QImage image = exit.painted();
    EXPECT_TRUE(near(image.pixelColor(exit.chromeSample()), LightAppearance::red()));
    EXPECT_TRUE(near(image.pixelColor(exit.button.width() / 2, 2), LightAppearance::red()));
    EXPECT_TRUE(near(image.pixelColor(0, 0), kGround)) << "rounded corners";
    EXPECT_GT(countNear(image, Qt::white), 10) << "the text is white";
}

TEST(StyledButtonTest, StartIsFilledWithTheAccentAndDarkensWhenPressed) {
    ConfirmButton start(StyledButton::Look::borderedProminent, QStringLiteral("Start"));
    EXPECT_TRUE(near(start.painted().pixelColor(start.chromeSample()), LightAppearance::accent()));
    start.button.setDown(true);
    EXPECT_LT(start.painted().pixelColor(start.chromeSample()).value(),
              LightAppearance::accent().value());
}

TEST(StyledButtonTest, CancelIsAnOutlinedLightButtonWithDarkText) {
    ConfirmButton cancel(StyledButton::Look::bordered, QStringLiteral("Cancel"));
    const QImage image = cancel.painted();
    const int middle = cancel.button.height() / 2;
    const QColor outline = image.pixelColor(0, middle);
    EXPECT_FALSE(near(outline, kGround));
    EXPECT_FALSE(near(outline, Qt::white));
    EXPECT_TRUE(near(image.pixelColor(cancel.chromeSample()), Qt::white));
    EXPECT_GT(countNear(image, Qt::black, 90), 10) << "the text is dark";
}

TEST(StyledButtonTest, PlainButtonsDrawOnlyTheirLabel) {
    ConfirmButton plain(StyledButton::Look::plain, QStringLiteral("Close"));
    const QImage image = plain.painted();
    EXPECT_TRUE(near(image.pixelColor(plain.chromeSample()), kGround));
    EXPECT_TRUE(near(image.pixelColor(0, 0), kGround));
    EXPECT_GT(countNear(image, Qt::black, 90), 10);
}

TEST(StyledButtonTest, TheLabelFrameSetsTheSizeAndTheChromeAddsToIt) {
    ConfirmButton plain(StyledButton::Look::plain, QStringLiteral("x"));
    EXPECT_EQ(plain.button.sizeHint(), QSize(100, 36));
    ConfirmButton start(StyledButton::Look::borderedProminent, QStringLiteral("Start"));
    start.button.setLabelSize(QSize(220, 48));
    const QSize regular = start.button.sizeHint();
    start.button.setControlSize(StyledButton::ControlSize::large);
    const QSize large = start.button.sizeHint();
    EXPECT_GT(regular.width(), 220);
    EXPECT_GT(regular.height(), 48);
    EXPECT_GT(large.width(), regular.width());
    EXPECT_GT(large.height(), regular.height());
}

// A mode card is a plain button whose label is a whole widget tree.
TEST(StyledButtonTest, AClickOnACustomLabelPressesTheButton) {
    QWidget window;
    auto* card = new StyledButton(StyledButton::Look::plain, &window);
    auto* title = new QLabel(QStringLiteral("Sensory"));
    title->setFixedSize(200, 80);
    card->setLabel(title);
    card->resize(card->sizeHint());
    window.resize(300, 200);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicked(card, &StyledButton::clicked);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(100, 40));
    EXPECT_EQ(clicked.count(), 1);
}

// The confirmation has no default button: neither Return nor focus reaches it unasked.
TEST(StyledButtonTest, TakesNoFocusAndNoReturnKey) {
    StyledButton exit(StyledButton::Look::borderedProminent);
    EXPECT_EQ(exit.focusPolicy(), Qt::NoFocus);
    QSignalSpy clicked(&exit, &StyledButton::clicked);
    QTest::keyClick(&exit, Qt::Key_Return);
    QTest::keyClick(&exit, Qt::Key_Enter);
    EXPECT_EQ(clicked.count(), 0);
}

} // namespace
} // namespace wigglepad
