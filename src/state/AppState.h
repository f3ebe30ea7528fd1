#pragma once

#include "Bubble.h"
#include "BubbleParticle.h"
#include "ChangePublisher.h"
#include "Color.h"
#include "PlayMode.h"
#include "PlayShape.h"
#include "Point.h"
#include "Published.h"
#include "Ribbon.h"
#include "SurfaceSize.h"
#include "TimeStamp.h"
#include "TrailPoint.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace wigglepad {

class Clock;
class RandomSource;
class ScreenSource;
class SettingsStore;

// Everything the play surface shows and every flag the adult screens depend on.
// Each write to a published field announces through objectWillChange first.
class AppState {
public:
    // Reads the saved mode, the swipe and the sound setting from `settings`; keeps the other seams.
    AppState(const Clock& clock, const ScreenSource& screen, RandomSource& random,
             const SettingsStore& settings);
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    ChangePublisher objectWillChange; // declared first: the published fields refer to it

    // The five play lists, oldest first.
    Published<std::vector<TrailPoint>> trail;
    Published<std::vector<PlayShape>> shapes;
    Published<std::vector<Bubble>> bubbles;
    Published<std::vector<BubbleParticle>> bubbleParticles;
    Published<std::vector<Ribbon>> ribbons;
    Published<double> exitProgress;                 // Escape hold, 0...1
    Published<double> menuHoldProgress;             // M hold, 0...1
    Published<std::optional<Point>> cursorPosition; // absent while an adult screen is open
    Published<std::optional<Point>> dragStart;      // where the current left-button drag began
    Published<std::optional<Point>> dragCurrent;    // where it is now
    Published<bool> showBanner;
    Published<bool> showExitConfirm;
    Published<bool> showMenu;
    Published<PlayMode> mode;
    Published<bool> allowSwipe;
    Published<bool> sound; // play sounds, as an adult chose in the menu

    // Spawning from input; points are surface points.
    void addTrailPoint(Point pointer);
    void spawnShape(std::optional<Point> at, double jitter);
    void spawnCharacter(std::string character, std::optional<Point> at);
    void addRibbon(Point end);

    // The 60 Hz simulation step and the once-a-second removal of what has faded out.
    void frameStep();
    void pruneExpired();

    // The newest trail point's colour, or the first palette colour with no trail.
    Color currentTrailColor() const;

    // The private fields, readable for tests and diagnostics.
    TimeStamp lastTick() const { return lastTick_; }
    std::optional<Point> prevCursorPos() const { return prevCursorPos_; }
    Point cursorVelocity() const { return cursorVelocity_; }

private:
    void addShape(PlayShape shape);
    void updateCursorVelocity(double dt);
    void popBubblesNearCursor();
    void popBubble(const Bubble& bubble);
    void letBubbleEnter(double dt, SurfaceSize surface);
    void expireParticles(TimeStamp now);

    const Clock& clock_;
    const ScreenSource& screen_;
    RandomSource& random_;

    std::int64_t colorIndex_ = 0;        // trail points made so far
    TimeStamp lastTick_;                 // the previous frame step's time
    std::optional<Point> prevCursorPos_; // cursor at the previous frame step
    Point cursorVelocity_;               // points per second
};

} // namespace wigglepad
