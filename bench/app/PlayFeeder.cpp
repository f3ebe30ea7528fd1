#include "PlayFeeder.h"

#include "AppState.h"
#include "Palette.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace wigglepad {

namespace {

// Lists at their caps, refilled faster than they fade: figures live 3 s once settled, ribbons
// 4 s, trail points 2 s, particles 0.6 s.
constexpr int kShapes = 40;
constexpr int kCharactersPerEight = 3; // 15 of every 40 figures are characters
constexpr int kTicksPerFigure = 3;     // 20 figures a second
constexpr int kRibbons = 15;
constexpr int kTicksPerRibbon = 12; // 5 ribbons a second
constexpr int kTrailPointsPerTick = 3;
constexpr int kTrailPoints = 300;
constexpr std::size_t kParticles = 100;
constexpr int kParticlesPerTick = 3;
constexpr std::size_t kBubbles = 8;
constexpr double kTickSeconds = 1.0 / 60.0;

} // namespace

PlayFeeder::PlayFeeder(AppState& state, const Clock& clock, RandomSource& random,
                       SurfaceSize surface)
    : state_(state)
    , clock_(clock)
    , random_(random)
    , surface_(surface) {}

void PlayFeeder::fillUp() {
    for (int i = 0; i < kShapes; ++i)
        spawnFigure();
    for (int i = 0; i < kRibbons; ++i)
        drawRibbon();
    for (int i = 0; i < kTrailPoints / kTrailPointsPerTick; ++i)
        moveCursor();
    topUpBubbles();
}

void PlayFeeder::feed() {
    ++ticks_;
    if (ticks_ % kTicksPerFigure == 0)
        spawnFigure();
    if (ticks_ % kTicksPerRibbon == 0)
        drawRibbon();
    moveCursor();
    burstParticles();
    topUpBubbles();
}

void PlayFeeder::spawnFigure() {
    if (figures_++ % 8 < kCharactersPerEight)
        state_.spawnCharacter(std::string(1, static_cast<char>('A' + figures_ % 26)), {});
    else
        state_.spawnShape({}, 0.0);
}

void PlayFeeder::drawRibbon() {
    const Point start{random_.uniformReal(300, surface_.width - 300),
                      random_.uniformReal(300, surface_.height - 300)};
    const double length = random_.uniformReal(200, 600);
    const double angle = random_.uniformReal(0, 2 * std::numbers::pi);
    state_.dragStart.set(start);
    state_.addRibbon(start + Point{length * std::cos(angle), length * std::sin(angle)});
}

// The pointer sweeps a Lissajous figure over the whole surface, leaving its trail.
void PlayFeeder::moveCursor() {
    for (int i = 0; i < kTrailPointsPerTick; ++i) {
        const double t =
            (static_cast<double>(ticks_) + static_cast<double>(i) / kTrailPointsPerTick) *
            kTickSeconds;
        const Point p{surface_.width * (0.5 + 0.4 * std::sin(0.7 * t)),
                      surface_.height * (0.5 + 0.4 * std::sin(1.1 * t))};
        state_.cursorPosition.set(p);
        state_.addTrailPoint(p);
    }
}

void PlayFeeder::burstParticles() {
    const Point centre{surface_.width * 0.3, surface_.height * 0.6};
    state_.bubbleParticles.modify([&](std::vector<BubbleParticle>& particles) {
        for (int i = 0; i < kParticlesPerTick; ++i) {
            const double angle = random_.uniformReal(0, 2 * std::numbers::pi);
            const double speed = random_.uniformReal(60, 150);
            particles.push_back({centre,
                                 {speed * std::cos(angle), speed * std::sin(angle)},
                                 palette()[static_cast<std::size_t>(random_.uniformInt(6))],
                                 random_.uniformReal(4, 8),
                                 clock_.now()});
        }
        if (particles.size() > kParticles)
            particles.erase(particles.begin(),
                            particles.end() - static_cast<std::ptrdiff_t>(kParticles));
    });
}

// The cursor pops bubbles it meets; new ones appear at once.
void PlayFeeder::topUpBubbles() {
    if (state_.bubbles.get().size() >= kBubbles)
        return;
    state_.bubbles.modify([&](std::vector<Bubble>& bubbles) {
        while (bubbles.size() < kBubbles) {
            Bubble bubble = Bubble::enteringFromEdge(surface_, random_);
            bubble.position = {random_.uniformReal(60, surface_.width - 60),
                               random_.uniformReal(60, surface_.height - 60)};
            bubbles.push_back(bubble);
        }
    });
}

} // namespace wigglepad
