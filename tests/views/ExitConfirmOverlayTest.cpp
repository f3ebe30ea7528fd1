#include "ExitConfirmOverlay.h"

#include "LightAppearance.h"
#include "MemorySettingsStore.h"
#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "PlayStateOnFakes.h"
#include "StyledButton.h"
#include "WidgetPixels.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

namespace wigglepad {
namespace {

// The play view under the overlay: it counts the clicks that reach it.
class PlaySurfaceStandIn : public QWidget {
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
};

// The overlay with the actions the play view gives it.
class ExitConfirmOverlayTest : public ::testing::Test {
protected:
    ExitConfirmOverlayTest() {
        state.showExitConfirm.set(true);
        state.mode.set(PlayMode::lettersNumbers);
        notifications.addObserver(kExitNotification, [this] { ++exitPosts; });
        surface.resize(1280, 800);
        surface.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&surface));
    }

    StyledButton& button(const char* text) {
        for (StyledButton* b : overlay->findChildren<StyledButton*>())
            if (b->text() == QLatin1String(text))
                return *b;
        throw std::logic_error("no such button");
    }

    MemorySettingsStore settings;
    PlayStateOnFakes play{settings};
    AppState& state = play.state;
    NotificationCenter notifications;
    int exitPosts = 0;
    PlaySurfaceStandIn surface;
    ExitConfirmOverlay* overlay =
        new ExitConfirmOverlay([this] { notifications.post(kExitNotification); },
                               [this] { state.showExitConfirm.set(false); }, &surface);
};

TEST_F(ExitConfirmOverlayTest, CancelClearsOnlyItsFlag) {
    QTest::mouseClick(&button("Cancel"), Qt::LeftButton);
    EXPECT_FALSE(state.showExitConfirm.get());
    EXPECT_TRUE(state.showBanner.get());
    EXPECT_TRUE(state.showMenu.get());
    EXPECT_EQ(state.mode.get(), PlayMode::lettersNumbers);
    EXPECT_EQ(exitPosts, 0);
}

TEST_F(ExitConfirmOverlayTest, ExitPostsOnEveryPressAndTheOverlayStays) {
    QTest::mouseClick(&button("Exit"), Qt::LeftButton);
    QTest::mouseClick(&button("Exit"), Qt::LeftButton);
    EXPECT_EQ(exitPosts, 2);
    EXPECT_TRUE(state.showExitConfirm.get());
    EXPECT_TRUE(overlay->isVisible());
}

TEST_F(ExitConfirmOverlayTest, ClicksBesideTheButtonsDoNothing) {
    const QRect card = overlay->cardGeometry();
    for (const QPoint at : {QPoint(10, 10), QPoint(1270, 790), card.topLeft() + QPoint(12, 12)})
        QTest::mouseClick(overlay, Qt::LeftButton, {}, at);
    EXPECT_EQ(exitPosts, 0);
    EXPECT_TRUE(state.showExitConfirm.get());
    EXPECT_EQ(surface.presses, 0) << "nothing behind the overlay hears them";
}

// No default button and no cancel key; Tab and Space serve an adult at the keyboard.
TEST_F(ExitConfirmOverlayTest, ReturnAndEscapeDoNothingWhileTabAndSpaceWork) {
    surface.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&surface));
    const QWidget* focused = QApplication::focusWidget();
    EXPECT_TRUE(focused == nullptr || focused == overlay) << "no control has the focus before Tab";
    overlay->setFocus();
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
        QTest::keyClick(overlay, key);
    QTest::keyClick(overlay, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &button("Cancel"));
    QTest::keyClick(&button("Cancel"), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &button("Exit"));
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
        QTest::keyClick(&button("Exit"), key);
    EXPECT_EQ(exitPosts, 0);
    EXPECT_TRUE(state.showExitConfirm.get());

    QTest::keyClick(&button("Exit"), Qt::Key_Space);
    EXPECT_EQ(exitPosts, 1);
    QTest::keyClick(&button("Exit"), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &button("Cancel")) << "round again";
    QTest::keyClick(&button("Cancel"), Qt::Key_Space);
    EXPECT_FALSE(state.showExitConfirm.get());
    overlay->hide();
    EXPECT_EQ(QApplication::focusWidget(), nullptr) << "no focus left behind";
}

TEST_F(ExitConfirmOverlayTest, TheCardFitsItsContentAndStaysCentredAtAnySize) {
    const QRect cancel = button("Cancel").geometry();
    const QRect exit = button("Exit").geometry();
    const QLabel* title = overlay->findChild<QLabel*>();
    ASSERT_NE(title, nullptr);
    const QSize content(exit.right() - cancel.left() + 1, title->height() + 20 + exit.height());
    ASSERT_GT(content.width(), title->width()) << "the button row is the wider";
    EXPECT_EQ(exit.left() - cancel.right() - 1, 16);
    EXPECT_EQ(cancel.size(), exit.size());
    for (const QSize size : {QSize(3000, 600), QSize(600, 3000), QSize(1280, 800)}) {
        overlay->resize(size);
        const QRect card = overlay->cardGeometry();
        EXPECT_EQ(card.size(), content + QSize(80, 80));
        EXPECT_LE(std::abs(card.center().x() - size.width() / 2), 1);
        EXPECT_LE(std::abs(card.center().y() - size.height() / 2), 1);
    }
}

TEST_F(ExitConfirmOverlayTest, DimsTheSurfaceAndShowsALightCardWithARedExit) {
    const QImage image = paintedOver(*overlay, Qt::white);
    EXPECT_TRUE(near(image.pixelColor(5, 5), QColor(153, 153, 153), 3)) << "black at 0.4";
    const QRect card = overlay->cardGeometry();
    EXPECT_GT(image.pixelColor(card.left() + 20, card.center().y()).lightness(), 235);
    const QRect exit = button("Exit").geometry().translated(card.topLeft());
    EXPECT_TRUE(near(image.pixelColor(exit.left() + 4, exit.center().y()), LightAppearance::red()));
}

// What lies behind shows through the card as a soft tint.
TEST_F(ExitConfirmOverlayTest, TheCardIsFrostedGlassOverWhatLiesBehind) {
    overlay->setBackdrop([](QPainter& painter, QSizeF size) {
        painter.fillRect(QRectF(QPointF(), size), QColor(40, 80, 220));
    });
    const QImage image = paintedOver(*overlay, Qt::white);
    const QRect card = overlay->cardGeometry();
    const QColor glass = image.pixelColor(card.left() + 20, card.center().y());
    EXPECT_GT(glass.blue() - glass.red(), 40) << "tinted by the blue behind";
    EXPECT_GT(glass.lightness(), image.pixelColor(5, 5).lightness()) << "lighter than the dimming";
}

} // namespace
} // namespace wigglepad
