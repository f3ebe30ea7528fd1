#include "FullPlay.h"

#include "Palette.h"

#include <cmath>
#include <numbers>

namespace wigglepad {

namespace {

constexpr double kFrame = 1.0 / 60.0;
constexpr std::size_t kShapes = 40;
constexpr std::size_t kBubbles = 8;
constexpr std::size_t kParticles = 100;
constexpr std::size_t kTrailPoints = 300;
constexpr std::size_t kRibbons = 15;
constexpr Point kCircleCentre{720, 450};
constexpr double kBubbleRingRadius = 300.0;
constexpr double kCursorTurnsPerSecond = 0.5;

Point onCircle(double angle, double radius) {
    return kCircleCentre + Point{std::cos(angle), std::sin(angle)} * radius;
}

} // namespace

FullPlay::FullPlay(double cursorCircleRadius)
    : cursorCircleRadius_(cursorCircleRadius) {
    state_.objectWillChange.subscribe([this] { ++announcements_; });
    for (std::size_t i = 0; i < kTrailPoints; ++i) {
        state_.addTrailPoint(nextCursorPoint());
    }
    for (std::size_t i = 0; i < kRibbons; ++i) {
        const double y = 100.0 + 40.0 * static_cast<double>(i);
        state_.dragStart.set(Point{100, y});
        state_.addRibbon({600, y + 50});
    }
    for (std::size_t i = 0; i < kShapes; ++i) {
        state_.spawnShape(std::nullopt, 0);
    }
    fallingShapes_ = state_.shapes.get();
    for (std::size_t i = 0; i < kBubbles; ++i) {
        Bubble bubble = Bubble::enteringFromEdge(screen_.surfaceSize(), random_);
        const double angle = 2.0 * std::numbers::pi * static_cast<double>(i) / kBubbles;
        bubble.position = onCircle(angle, kBubbleRingRadius);
        bubbleRing_.push_back(bubble);
    }
    refill();
}

void FullPlay::frame() {
    clock_.advance(kFrame);
    state_.cursorPosition.set(nextCursorPoint());
    state_.frameStep();
}

void FullPlay::refill() {
    state_.shapes.unannounced() = fallingShapes_;
    state_.bubbles.unannounced() = bubbleRing_;
    fillParticles();
}

Point FullPlay::nextCursorPoint() {
    ++cursorSteps_;
    const double turns = static_cast<double>(cursorSteps_) * kFrame * kCursorTurnsPerSecond;
    return onCircle(2.0 * std::numbers::pi * turns, cursorCircleRadius_);
}

void FullPlay::fillParticles() {
    std::vector<BubbleParticle>& particles = state_.bubbleParticles.unannounced();
    particles.clear();
    for (std::size_t i = 0; i < kParticles; ++i) {
        const double angle = static_cast<double>(i);
        particles.push_back({kCircleCentre,
                             {std::cos(angle) * 100.0, std::sin(angle) * 100.0},
                             palette()[i % kPaletteSize],
                             6.0,
                             clock_.now()});
    }
}

} // namespace wigglepad
