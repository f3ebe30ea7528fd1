#include "AnimationTransaction.h"

#include <gtest/gtest.h>
#include <stdexcept>

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

} // namespace
} // namespace wigglepad
