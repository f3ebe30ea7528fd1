// Animation blocks, and the deferred update that carries a block's animation to the next turn of
// the event loop.
#include "AnimationTransaction.h"

#include "DeferredUpdate.h"

#include <QCoreApplication>
#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

namespace wigglepad {
namespace {

using std::chrono::milliseconds;

TEST(AnimationTransactionTest, BlocksNestAndEachRestoresTheAnimationAroundIt) {
    EXPECT_FALSE(AnimationTransaction::current());
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
    EXPECT_FALSE(AnimationTransaction::current());
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

} // namespace
} // namespace wigglepad
