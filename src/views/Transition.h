#pragma once

#include "Animation.h"

#include <QObject>
#include <QPoint>
#include <optional>

class QVariantAnimation;
class QWidget;

namespace wigglepad {

// How a layer enters and leaves the screen when it is shown or hidden. With an animation it
// fades (opacity) or slides in from and out past the top edge of its parent (moveTop); without
// one it appears and disappears at once. A layer on its way out takes no clicks and is hidden
// at the end. The layer's resting place is where its parent put it when the transition began;
// a fading layer borrows the widget's graphics effect while it fades.
class Transition : public QObject {
    Q_OBJECT
public:
    enum class Kind { opacity, moveTop };

    // The target's current visibility is its starting presence. The transition lives as long
    // as the target.
    Transition(QWidget* target, Kind kind);

    // Shows or hides the target; asking for the presence it already has or is heading to
    // changes nothing, so views may call this on every update.
    void setPresent(bool present, const std::optional<Animation>& animation);

    bool isPresent() const { return present_; }
    bool isRunning() const;

private:
    void start(const Animation& animation);
    void apply(double presence);
    void settle();

    QWidget* target_;
    Kind kind_;
    bool present_;
    std::optional<QPoint> rest_; // where the target returns to; set only while it moves
    double presence_;            // 0 gone ... 1 at rest
    QVariantAnimation* animation_;
};

} // namespace wigglepad
