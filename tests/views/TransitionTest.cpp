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
    Layer(bool shown, Transition::Kind kind) {
        parent.resize(400, 300);
        layer = new QWidget(&parent);
        layer->setGeometry(QRect(kRest, QSize(380, 50)));
        layer->setVisible(shown);
        parent.show();
        transition.emplace(layer, kind);
    }
    bool settles() const {
        return QTest::qWaitFor([&] { return !transition->isRunning(); });
    }

    QWidget parent;
    QWidget* layer;
    std::optional<Transition> transition;
};

// On its way out a layer takes no clicks; at either end it is left without the effect.
TEST(TransitionTest, AFadingLayerEndsInTheAskedStateWithoutTheEffect) {
    for (const bool present : {false, true}) {
        SCOPED_TRACE(present ? "fading in" : "fading out");
        Layer menu(!present, Transition::Kind::opacity);
        menu.transition->setPresent(present, kQuick);
        EXPECT_TRUE(menu.layer->isVisible());
        EXPECT_NE(qobject_cast<QGraphicsOpacityEffect*>(menu.layer->graphicsEffect()), nullptr);
        EXPECT_EQ(menu.layer->testAttribute(Qt::WA_TransparentForMouseEvents), !present);
        ASSERT_TRUE(menu.settles());
        EXPECT_EQ(menu.layer->isVisible(), present);
        EXPECT_FALSE(present && menu.layer->testAttribute(Qt::WA_TransparentForMouseEvents));
        EXPECT_EQ(menu.layer->graphicsEffect(), nullptr);
    }
}

// Views call setPresent on every update, sixty times a second, and may change their minds.
TEST(TransitionTest, RepeatedAsksChangeNothingAndTheLastAskWins) {
    Layer banner(true, Transition::Kind::moveTop);
    Transition& slide = *banner.transition;
    slide.setPresent(true, kQuick);
    EXPECT_FALSE(slide.isRunning());
    slide.setPresent(false, kQuick);
    slide.setPresent(false, kQuick);
    slide.setPresent(true, kQuick);
    ASSERT_TRUE(banner.settles());
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
