#include "AppState.h"

#include "Clock.h"
#include "Motion.h"
#include "Palette.h"
#include "PlayLimits.h"
#include "RandomSource.h"
#include "SavedMode.h"
#include "ScreenSource.h"
#include "SettingsStore.h"

#include <cmath>
#include <numbers>

namespace wigglepad {

namespace {

// A frame may pop every bubble before the particle cap applies.
constexpr std::int64_t kSmallestBurst = 8;
constexpr std::int64_t kBurstSizes = 5; // 8 to 12 particles
constexpr std::size_t kParticlesBeforeCap =
    kMostParticles + kMostBubbles * static_cast<std::size_t>(kSmallestBurst + kBurstSizes - 1);

// Spawning from input.
constexpr double kFigureMargin = 60.0;    // figures keep this far from the edges
constexpr double kCharacterMargin = 80.0; // characters are larger
constexpr std::int64_t kFigureKinds = 3;
constexpr double kSmallestFigure = 40.0;
constexpr double kLargestFigure = 160.0;
constexpr double kSmallestCharacter = 110.0;
constexpr double kLargestCharacter = 190.0;
constexpr std::int64_t kSidewaysTossSteps = 121; // -60 to 60 points/s
constexpr std::int64_t kUpwardTossSteps = 81;    // -80 to 0 points/s
constexpr double kSidewaysTossOffset = 60.0;
constexpr double kUpwardTossOffset = 80.0;
constexpr double kShortestRibbon = 20.0;
constexpr double kThinnestRibbon = 6.0;
constexpr double kWidestRibbon = 14.0;
constexpr double kTrailSmoothing = 0.4; // share of the way to the pointer each trail point moves

// The frame step.
constexpr double kLongestFrame = 0.5; // longer gaps are pauses, not frames
constexpr double kPopReachBeyondRadius = 18.0;
constexpr double kBubblesPerSecond = 0.5;
constexpr double kParticleJitter = 0.3; // radians
constexpr double kSlowestParticle = 60.0;
constexpr double kFastestParticle = 150.0;
constexpr double kSmallestParticle = 4.0;
constexpr double kLargestParticle = 8.0;

template <class T>
void dropOldestBeyond(Published<std::vector<T>>& list, std::size_t cap) {
    if (list.get().size() > cap) {
        list.modify([cap](std::vector<T>& records) {
            records.erase(records.begin(), records.end() - static_cast<std::ptrdiff_t>(cap));
        });
    }
}

template <class T>
void append(Published<std::vector<T>>& list, T record) {
    list.modify([&record](std::vector<T>& records) { records.push_back(std::move(record)); });
}

template <class T>
void appendCapped(Published<std::vector<T>>& list, T record, std::size_t cap) {
    append(list, std::move(record));
    dropOldestBeyond(list, cap);
}

template <class T, class Predicate>
void removeWhere(Published<std::vector<T>>& list, Predicate expired) {
    list.modify([&expired](std::vector<T>& records) { std::erase_if(records, expired); });
}

// A random place in the upper half of the surface, `margin` in from its edges; the middle of a
// range that a tiny surface leaves empty.
Point randomUpperPlace(RandomSource& random, SurfaceSize surface, double margin) {
    const double x = random.uniformRealClamped(margin, surface.width - margin);
    const double y = random.uniformRealClamped(margin, surface.height * 0.5);
    return {x, y};
}

// A small sideways push and an upward toss, in whole points per second.
Point randomToss(RandomSource& random) {
    const auto sideways = static_cast<double>(random.uniformInt(kSidewaysTossSteps));
    const auto upward = static_cast<double>(random.uniformInt(kUpwardTossSteps));
    return {sideways - kSidewaysTossOffset, upward - kUpwardTossOffset};
}

} // namespace

AppState::AppState(const Clock& clock, const ScreenSource& screen, RandomSource& random,
                   const SettingsStore& settings)
    : trail(objectWillChange, {})
    , shapes(objectWillChange, {})
    , bubbles(objectWillChange, {})
    , bubbleParticles(objectWillChange, {})
    , ribbons(objectWillChange, {})
    , exitProgress(objectWillChange, 0.0)
    , menuHoldProgress(objectWillChange, 0.0)
    , cursorPosition(objectWillChange, std::nullopt)
    , dragStart(objectWillChange, std::nullopt)
    , dragCurrent(objectWillChange, std::nullopt)
    , showBanner(objectWillChange, true)
    , showExitConfirm(objectWillChange, false)
    , showMenu(objectWillChange, !loadSavedMode(settings).has_value())
    , mode(objectWillChange, loadSavedMode(settings).value_or(PlayMode::sensory))
    , allowSwipe(objectWillChange, loadAllowSwipe(settings))
    , sound(objectWillChange, loadSound(settings))
    , clock_(clock)
    , screen_(screen)
    , random_(random)
    , lastTick_(clock.now()) {
    // Room for every list at its fullest, so steady play never allocates.
    trail.unannounced().reserve(kMostTrailPoints + 1);
    shapes.unannounced().reserve(kMostShapes + 1);
    bubbles.unannounced().reserve(kMostBubbles);
    bubbleParticles.unannounced().reserve(kParticlesBeforeCap);
    ribbons.unannounced().reserve(kMostRibbons + 1);
}

void AppState::addTrailPoint(Point pointer) {
    const std::vector<TrailPoint>& points = trail.get();
    Point position = pointer;
    if (!points.empty()) {
        const Point last = points.back().position;
        position = last + (pointer - last) * kTrailSmoothing;
    }
    const Color color = trailColor(colorIndex_);
    ++colorIndex_;
    appendCapped(trail, TrailPoint{position, color, clock_.now()}, kMostTrailPoints);
}

void AppState::spawnShape(std::optional<Point> at, double jitter) {
    PlayShape shape;
    shape.position = at ? *at : randomUpperPlace(random_, screen_.surfaceSize(), kFigureMargin);
    if (jitter > 0.0) {
        shape.position.x += random_.uniformReal(-jitter, jitter);
        shape.position.y += random_.uniformReal(-jitter, jitter);
    }
    shape.color = randomPaletteColor(random_);
    shape.kind = static_cast<int>(random_.uniformInt(kFigureKinds));
    shape.size = random_.uniformReal(kSmallestFigure, kLargestFigure);
    addShape(std::move(shape));
}

void AppState::spawnCharacter(std::string character, std::optional<Point> at) {
    PlayShape shape;
    shape.position = at ? *at : randomUpperPlace(random_, screen_.surfaceSize(), kCharacterMargin);
    shape.color = randomPaletteColor(random_);
    shape.size = random_.uniformReal(kSmallestCharacter, kLargestCharacter);
    shape.character = std::move(character);
    addShape(std::move(shape));
}

// Tosses a new figure or character and adds it; figures and characters share one cap.
void AppState::addShape(PlayShape shape) {
    shape.velocity = randomToss(random_);
    shape.born = clock_.now();
    shape.id = Uuid::random();
    appendCapped(shapes, std::move(shape), kMostShapes);
}

void AppState::addRibbon(Point end) {
    if (!dragStart.get()) {
        return;
    }
    const Point start = *dragStart.get();
    if (distance(start, end) > kShortestRibbon) {
        Ribbon ribbon = Ribbon::sCurve(start, end);
        ribbon.id = Uuid::random();
        ribbon.color = randomPaletteColor(random_);
        ribbon.width = random_.uniformReal(kThinnestRibbon, kWidestRibbon);
        ribbon.born = clock_.now();
        appendCapped(ribbons, ribbon, kMostRibbons);
    }
    dragStart.set(std::nullopt);
    dragCurrent.set(std::nullopt);
}

void AppState::frameStep() {
    const TimeStamp now = clock_.now();
    const double dt = now - lastTick_;
    lastTick_ = now;
    if (!(dt > 0.0 && dt < kLongestFrame)) {
        return;
    }
    const SurfaceSize surface = screen_.surfaceSize();
    fall(shapes.unannounced(), dt, surface, now);
    updateCursorVelocity(dt);
    if (const std::optional<Point> cursor = cursorPosition.get()) {
        pushAway(shapes.unannounced(), *cursor, cursorVelocity_, dt);
    }
    drift(bubbles.unannounced(), dt, surface);
    popBubblesNearCursor();
    letBubbleEnter(dt, surface);
    expireParticles(now);
    // The shapes and bubbles changed in place, which no write to a list has announced.
    objectWillChange.announce();
}

void AppState::updateCursorVelocity(double dt) {
    const std::optional<Point>& cursor = cursorPosition.get();
    if (cursor && prevCursorPos_) {
        cursorVelocity_ = (*cursor - *prevCursorPos_) / dt;
    }
    prevCursorPos_ = cursor;
}

// Pops, in list order, every bubble the cursor touches; the rest keep their order. The list
// counts as changed whenever there is a cursor, popped or not.
void AppState::popBubblesNearCursor() {
    const std::optional<Point> cursor = cursorPosition.get();
    if (!cursor) {
        return;
    }
    bubbles.modify([&](std::vector<Bubble>& list) {
        auto kept = list.begin();
        for (auto it = list.begin(); it != list.end(); ++it) {
            if (distance(it->position, *cursor) < it->radius + kPopReachBeyondRadius) {
                popBubble(*it);
            } else {
                *kept++ = *it;
            }
        }
        list.erase(kept, list.end());
    });
}

void AppState::letBubbleEnter(double dt, SurfaceSize surface) {
    if (bubbles.get().size() >= kMostBubbles) {
        return;
    }
    if (random_.uniformReal(0.0, 1.0) < dt * kBubblesPerSecond) {
        append(bubbles, Bubble::enteringFromEdge(surface, random_));
    }
}

void AppState::expireParticles(TimeStamp now) {
    removeWhere(bubbleParticles,
                [now](const BubbleParticle& p) { return now - p.born > kParticleLife; });
    dropOldestBeyond(bubbleParticles, kMostParticles);
}

// A burst of 8 to 12 particles spread evenly round the full circle, each direction jittered.
void AppState::popBubble(const Bubble& bubble) {
    const Point centre = bubble.position;
    const Color color = bubble.color;
    const std::int64_t count = kSmallestBurst + random_.uniformInt(kBurstSizes);
    const TimeStamp burst = clock_.now();
    for (std::int64_t i = 0; i < count; ++i) {
        const double jitter = random_.uniformReal(-kParticleJitter, kParticleJitter);
        const double angle =
            static_cast<double>(i) / static_cast<double>(count) * 2.0 * std::numbers::pi + jitter;
        const double speed = random_.uniformReal(kSlowestParticle, kFastestParticle);
        const double size = random_.uniformReal(kSmallestParticle, kLargestParticle);
        append(bubbleParticles,
               BubbleParticle{
                   centre, {std::cos(angle) * speed, std::sin(angle) * speed}, color, size, burst});
    }
}

void AppState::pruneExpired() {
    const TimeStamp now = clock_.now();
    removeWhere(trail, [now](const TrailPoint& p) { return now - p.born > kTrailPointLife; });
    removeWhere(shapes, [now](const PlayShape& s) {
        return s.settledTime ? now - *s.settledTime > kSettledShapeLife
                             : now - s.born > kUnsettledShapeLife;
    });
    removeWhere(ribbons, [now](const Ribbon& r) { return now - r.born > kRibbonLife; });
}

Color AppState::currentTrailColor() const {
    const std::vector<TrailPoint>& points = trail.get();
    return points.empty() ? palette()[0] : points.back().color;
}

} // namespace wigglepad
