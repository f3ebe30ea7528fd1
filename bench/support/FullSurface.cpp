#include "FullSurface.h"

#include "Palette.h"

#include <cmath>
#include <numbers>
#include <random>

namespace wigglepad {

namespace {

constexpr int kBubbles = 8;
constexpr int kParticles = 100;
constexpr int kShapes = 40;
constexpr int kCharacters = 15;
constexpr int kRibbons = 15;
constexpr int kTrailPoints = 300;
constexpr double kTrailSpacing = 0.006; // seconds: the whole trail within its 2 s life

// Fixed draws, so every run paints the same frame.
class Draws {
public:
    double real(double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(engine_);
    }
    Color color() { return palette()[std::uniform_int_distribution<std::size_t>(0, 5)(engine_)]; }

private:
    std::mt19937 engine_{20240601};
};

// What each list is filled from.
struct Filling {
    AppState& state;
    QSizeF size;
    TimeStamp now;
    Draws draws;
};

void addBubbles(Filling& f) {
    f.state.bubbles.modify([&](auto& bubbles) {
        for (int i = 0; i < kBubbles; ++i) {
            Bubble b;
            b.radius = f.draws.real(28, 55);
            b.position = {f.draws.real(60, f.size.width() - 60),
                          f.draws.real(60, f.size.height() - 60)};
            b.color = f.draws.color();
            bubbles.push_back(b);
        }
    });
}

void addParticles(Filling& f) {
    f.state.bubbleParticles.modify([&](auto& particles) {
        for (int i = 0; i < kParticles; ++i) {
            const double angle = f.draws.real(0, 2 * std::numbers::pi);
            const double speed = f.draws.real(80, 220);
            particles.push_back({{f.size.width() * 0.25, f.size.height() * 0.5},
                                 {speed * std::cos(angle), speed * std::sin(angle)},
                                 f.draws.color(),
                                 f.draws.real(4, 8),
                                 f.now - f.draws.real(0, 0.5)});
        }
    });
}

void addShapes(Filling& f) {
    f.state.shapes.modify([&](auto& shapes) {
        for (int i = 0; i < kShapes; ++i) {
            PlayShape s;
            s.position = {f.draws.real(100, f.size.width() - 100),
                          f.draws.real(100, f.size.height() - 100)};
            s.color = f.draws.color();
            s.born = f.now - f.draws.real(0, 14);
            if (i < kCharacters) {
                s.character = std::string(1, static_cast<char>('A' + i));
                s.size = f.draws.real(110, 190);
            } else {
                s.kind = i % 3;
                s.size = f.draws.real(40, 160);
            }
            shapes.push_back(s);
        }
    });
}

void addRibbons(Filling& f) {
    f.state.ribbons.modify([&](auto& ribbons) {
        for (int i = 0; i < kRibbons; ++i) {
            const double length = 200 + 400.0 * i / (kRibbons - 1);
            const double angle = f.draws.real(0, 2 * std::numbers::pi);
            const Point start{f.draws.real(300, f.size.width() - 300),
                              f.draws.real(300, f.size.height() - 300)};
            const Point d{length * std::cos(angle), length * std::sin(angle)};
            Ribbon r = Ribbon::sCurve(start, start + d);
            r.color = f.draws.color();
            r.width = f.draws.real(6, 14);
            r.born = f.now - f.draws.real(0, 3);
            ribbons.push_back(r);
        }
    });
}

void addTrail(Filling& f) {
    f.state.trail.modify([&](auto& trail) {
        for (int i = 0; i < kTrailPoints; ++i) {
            const double t = static_cast<double>(i) / kTrailPoints;
            const Point p{f.size.width() * (0.1 + 0.8 * t),
                          f.size.height() * (0.5 + 0.3 * std::sin(6 * std::numbers::pi * t))};
            trail.push_back({p, trailColor(i), f.now - (kTrailPoints - i) * kTrailSpacing});
        }
    });
}

} // namespace

FullSurface::FullSurface(QSizeF size)
    : screen_(SurfaceSize{size.width(), size.height()})
    , state_(clock_, screen_, random_, settings_) {
    Filling filling{state_, size, clock_.now(), {}};
    addBubbles(filling);
    addParticles(filling);
    addShapes(filling);
    addRibbons(filling);
    addTrail(filling);
    state_.dragStart.set(Point{size.width() * 0.3, size.height() * 0.7});
    state_.dragCurrent.set(Point{size.width() * 0.5, size.height() * 0.6});
    state_.cursorPosition.set(Point{size.width() * 0.6, size.height() * 0.4});
    state_.menuHoldProgress.set(0.6);
    state_.exitProgress.set(0.4);
}

} // namespace wigglepad
