// Animation blocks, the deferred update that carries a block's animation to the next turn of the
// event loop, and the transitions that play it on a layer.
#include "AnimationTransaction.h"

#include "DeferredUpdate.h"
#include "Transition.h"

#include <QGraphicsOpacityEffect>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

namespace wigglepad {
namespace {

using std::chrono::milliseconds;

TEST(AnimationTransactionTest, BlocksNestAndEachRestoresTheAnimationAroundIt) {
    const Animation slow{milliseconds(1000), QEasingCurve(QEasingCurve::Linear)};
    withAnimation(slow, [&] {
        withAnimation(
            [] { EXPECT_EQ(AnimationTransaction::current()->duration, milliseconds(350)); });
        EXPECT_EQ(AnimationTransaction::current()->duration, milliseconds(1000));
        {
            const AnimationTransaction without(std::nullopt);
            EXPECT_FALSE(AnimationTransaction::current());
        }
        EXPECT_EQ(AnimationTransaction::current()->duration, milliseconds(1000));
    });
}

TEST(AnimationTransactionTest, AnEscapingExceptionStillEndsTheBlock) {
    EXPECT_THROW(withAnimation([] { throw std::runtime_error("change failed"); }),
                 std::runtime_error);
    EXPECT_FALSE(AnimationTransaction::current());
}

TEST(DeferredUpdateTest, OneUpdatePerTurnAnimatedWhenAnyOfItsChangesWas) {
    std::vector<std::optional<Animation>> runs;
    DeferredUpdate update{
        [&](const std::optional<Animation>& animation) { runs.push_back(animation); }};
    update.request();
    withAnimation([&] { update.request(); });
    update.request();
    EXPECT_TRUE(runs.empty()) << "nothing runs before the event loop turns";
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(runs.size(), 1U);
    ASSERT_TRUE(runs[0]);
    EXPECT_EQ(runs[0]->duration, Animation::standard().duration);

    update.request();
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(runs.size(), 2U);
    EXPECT_FALSE(runs[1]) << "the next turn starts without animation";
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(runs.size(), 2U);
}

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
