#include "AnimationTransaction.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace wigglepad {
namespace {

using std::chrono::milliseconds;

TEST(AnimationTransactionTest, ChangesAreAnimatedOnlyInsideTheBlock) {
    EXPECT_FALSE(AnimationTransaction::current());
    bool ran = false;
    withAnimation([&] {
        ran = true;
        ASSERT_TRUE(AnimationTransaction::current());
        EXPECT_EQ(AnimationTransaction::current()->duration, milliseconds(350));
    });
    EXPECT_TRUE(ran);
    EXPECT_FALSE(AnimationTransaction::current());
}

TEST(AnimationTransactionTest, NestedBlocksRestoreTheEnclosingAnimation) {
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

TEST(AnimationTransactionTest, TheDefaultAnimationEasesInAndOut) {
    const QEasingCurve curve = Animation::standard().curve;
    EXPECT_LT(curve.valueForProgress(0.1), 0.1) << "starts slowly";
    EXPECT_NEAR(curve.valueForProgress(0.5), 0.5, 0.01);
    EXPECT_GT(curve.valueForProgress(0.9), 0.9) << "ends slowly";
    EXPECT_DOUBLE_EQ(curve.valueForProgress(1.0), 1.0);
}

} // namespace
} // namespace wigglepad
