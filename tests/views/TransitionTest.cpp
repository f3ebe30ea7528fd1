#include "Transition.h"

#include <QGraphicsOpacityEffect>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace wigglepad {
namespace {

const Animation kQuick{std::chrono::milliseconds(20), QEasingCurve(QEasingCurve::Linear)};
const QPoint kRest(10, 0);

// A banner-like layer over a window-sized parent, placed by the parent at kRest.
struct Layer {
    explicit Layer(bool shown) {
        parent.resize(400, 300);
        layer = new QWidget(&parent);
        layer->setGeometry(QRect(kRest, QSize(380, 50)));
        layer->setVisible(shown);
        parent.show();
    }
    bool settles(const Transition& transition) const {
        return QTest::qWaitFor([&] { return !transition.isRunning(); });
    }

    QWidget parent;
    QWidget* layer;
};

TEST(TransitionTest, WithoutAnimationALayerAppearsAndGoesAtOnce) {
    Layer menu(false);
    Transition fade(menu.layer, Transition::Kind::opacity);
    EXPECT_FALSE(fade.isPresent());
    fade.setPresent(true, std::nullopt);
    EXPECT_TRUE(menu.layer->isVisible());
    EXPECT_FALSE(fade.isRunning());
    fade.setPresent(false, std::nullopt);
    EXPECT_FALSE(menu.layer->isVisible());
    EXPECT_EQ(menu.layer->graphicsEffect(), nullptr);
}

TEST(TransitionTest, AFadedOutLayerEndsHiddenAndTakesNoClicksOnItsWay) {
    Layer menu(true);
    Transition fade(menu.layer, Transition::Kind::opacity);
    fade.setPresent(false, kQuick);
    EXPECT_TRUE(menu.layer->isVisible()) << "still fading";
    EXPECT_TRUE(fade.isRunning());
    EXPECT_NE(qobject_cast<QGraphicsOpacityEffect*>(menu.layer->graphicsEffect()), nullptr);
    EXPECT_TRUE(menu.layer->testAttribute(Qt::WA_TransparentForMouseEvents));
    ASSERT_TRUE(menu.settles(fade));
    EXPECT_FALSE(menu.layer->isVisible());
    EXPECT_EQ(menu.layer->graphicsEffect(), nullptr);
}

TEST(TransitionTest, AFadedInLayerEndsFullyShownWithoutTheEffect) {
    Layer menu(false);
    Transition fade(menu.layer, Transition::Kind::opacity);
    fade.setPresent(true, kQuick);
    EXPECT_TRUE(menu.layer->isVisible());
    ASSERT_TRUE(menu.settles(fade));
    EXPECT_TRUE(menu.layer->isVisible());
    EXPECT_FALSE(menu.layer->testAttribute(Qt::WA_TransparentForMouseEvents));
    EXPECT_EQ(menu.layer->graphicsEffect(), nullptr);
}

TEST(TransitionTest, ASlidingLayerComesInFromAboveTheTopEdgeAndEndsAtItsPlace) {
    Layer banner(false);
    Transition slide(banner.layer, Transition::Kind::moveTop);
    slide.setPresent(true, kQuick);
    EXPECT_TRUE(banner.layer->isVisible());
    EXPECT_EQ(banner.layer->pos(), QPoint(kRest.x(), -banner.layer->height()));
    ASSERT_TRUE(banner.settles(slide));
    EXPECT_EQ(banner.layer->pos(), kRest);
}

TEST(TransitionTest, ASlidingLayerLeavesUpwardsAndIsHiddenAtItsPlace) {
    Layer banner(true);
    Transition slide(banner.layer, Transition::Kind::moveTop);
    slide.setPresent(false, kQuick);
    EXPECT_EQ(banner.layer->pos(), kRest) << "sets off from its place";
    ASSERT_TRUE(banner.settles(slide));
    EXPECT_FALSE(banner.layer->isVisible());
    EXPECT_EQ(banner.layer->pos(), kRest) << "ready to come back to the same place";
}

// Views call setPresent on every update, sixty times a second.
TEST(TransitionTest, AskingForThePresenceItHasChangesNothing) {
    Layer banner(true);
    Transition slide(banner.layer, Transition::Kind::moveTop);
    slide.setPresent(true, kQuick);
    EXPECT_FALSE(slide.isRunning());
    slide.setPresent(false, kQuick);
    slide.setPresent(false, kQuick);
    EXPECT_TRUE(slide.isRunning());
    ASSERT_TRUE(banner.settles(slide));
    EXPECT_FALSE(banner.layer->isVisible());
}

TEST(TransitionTest, AChangeOfMindEndsInTheLastAskedState) {
    Layer banner(true);
    Transition slide(banner.layer, Transition::Kind::moveTop);
    slide.setPresent(false, kQuick);
    slide.setPresent(true, kQuick);
    ASSERT_TRUE(banner.settles(slide));
    EXPECT_TRUE(banner.layer->isVisible());
    EXPECT_EQ(banner.layer->pos(), kRest);

    slide.setPresent(false, kQuick);
    slide.setPresent(true, std::nullopt);
    EXPECT_FALSE(slide.isRunning()) << "a change without animation stops the slide";
    EXPECT_TRUE(banner.layer->isVisible());
    EXPECT_EQ(banner.layer->pos(), kRest);
}

} // namespace
} // namespace wigglepad
