#include "AnimationTransaction.h"

namespace wigglepad {

namespace {

std::optional<Animation>& innermost() {
    static std::optional<Animation> animation;
    return animation;
}

} // namespace

AnimationTransaction::AnimationTransaction(std::optional<Animation> animation)
    : enclosing_(std::exchange(innermost(), std::move(animation))) {}

AnimationTransaction::~AnimationTransaction() {
    innermost() = std::move(enclosing_);
}

const std::optional<Animation>& AnimationTransaction::current() {
    return innermost();
}

} // namespace wigglepad
