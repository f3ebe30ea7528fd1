#pragma once

#include "Animation.h"

#include <optional>
#include <utility>

namespace wigglepad {

// Marks the state changes made while it lives as animated, the way withAnimation does. Views
// ask current() when they hear of a change: an animation means "show this change with it",
// none means "show it at once". Transactions nest; each one restores the enclosing one when it
// ends. Everything runs on the main thread, so one current value is enough.
class AnimationTransaction {
public:
    explicit AnimationTransaction(std::optional<Animation> animation = Animation::standard());
    ~AnimationTransaction();
    AnimationTransaction(const AnimationTransaction&) = delete;
    AnimationTransaction& operator=(const AnimationTransaction&) = delete;

    // The animation of the innermost live transaction; none outside every transaction.
    static const std::optional<Animation>& current();

private:
    std::optional<Animation> enclosing_;
};

// Runs `change` with its state changes marked as animated with `animation`.
template <class Change>
void withAnimation(const Animation& animation, Change&& change) {
    const AnimationTransaction transaction(animation);
    std::forward<Change>(change)();
}

// Runs `change` with its state changes marked as animated with the default animation.
template <class Change>
void withAnimation(Change&& change) {
    withAnimation(Animation::standard(), std::forward<Change>(change));
}

} // namespace wigglepad
