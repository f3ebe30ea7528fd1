#include "Motion.h"

#include <cmath>

namespace wigglepad {

namespace {

constexpr double kGravity = 120.0; // points/s²
constexpr double kBounceKeeps = 0.5;
constexpr double kFloorFriction = 0.9;
constexpr double kSettlingSpeed = 10.0;
constexpr double kSettlingBand = 2.0;
constexpr double kCursorReachBeyondHalf = 40.0;
constexpr double kCursorPush = 600.0; // points/s² right next to the cursor
constexpr double kNoPushWithin = 0.1;
constexpr double kFlingSpeed = 20.0;
constexpr double kFlingShare = 0.06;

void fallOne(PlayShape& shape, double dt, SurfaceSize surface, TimeStamp now) {
    const double half = shape.size * 0.5;
    Point& p = shape.position;
    Point& v = shape.velocity;
    v.y += kGravity * dt;
    p.x += v.x * dt;
    p.y += v.y * dt;
    if (p.x < half) {
        p.x = half;
        v.x = std::abs(v.x) * kBounceKeeps;
    } else if (p.x > surface.width - half) {
        p.x = surface.width - half;
        v.x = -std::abs(v.x) * kBounceKeeps;
    }
    if (p.y > surface.height - half) {
        p.y = surface.height - half;
        v.y = -std::abs(v.y) * kBounceKeeps;
        v.x *= kFloorFriction;
    }
    if (p.y < half) {
        p.y = half;
        v.y = std::abs(v.y) * kBounceKeeps;
    }
    if (v.length() < kSettlingSpeed && p.y > surface.height - half - kSettlingBand) {
        shape.settled = true;
        shape.settledTime = now;
        v = {};
    }
}

void pushOneAway(PlayShape& shape, Point cursor, Point cursorVelocity, double dt) {
    const Point d = shape.position - cursor;
    const double dist = d.length();
    const double reach = shape.size * 0.5 + kCursorReachBeyondHalf;
    if (!(dist < reach && dist > kNoPushWithin)) {
        return;
    }
    shape.velocity = shape.velocity + d / dist * (1.0 - dist / reach) * kCursorPush * dt;
    if (cursorVelocity.length() > kFlingSpeed) {
        shape.velocity = shape.velocity + cursorVelocity * kFlingShare;
    }
    if (shape.settled) {
        shape.settled = false;
        shape.settledTime.reset();
    }
}

void driftOne(Bubble& bubble, double dt, SurfaceSize surface) {
    bubble.position = bubble.position + bubble.velocity * dt;
    const Point p = bubble.position;
    Point& v = bubble.velocity;
    const double r = bubble.radius;
    if (p.x < r) {
        v.x = std::abs(v.x);
    }
    if (p.x > surface.width - r) {
        v.x = -std::abs(v.x);
    }
    if (p.y < r) {
        v.y = std::abs(v.y);
    }
    if (p.y > surface.height - r) {
        v.y = -std::abs(v.y);
    }
}

} // namespace

void fall(std::span<PlayShape> shapes, double dt, SurfaceSize surface, TimeStamp now) {
    for (PlayShape& shape : shapes) {
        if (!shape.settled) {
            fallOne(shape, dt, surface, now);
        }
    }
}

void pushAway(std::span<PlayShape> shapes, Point cursor, Point cursorVelocity, double dt) {
    for (PlayShape& shape : shapes) {
        pushOneAway(shape, cursor, cursorVelocity, dt);
    }
}

void drift(std::span<Bubble> bubbles, double dt, SurfaceSize surface) {
    for (Bubble& bubble : bubbles) {
        driftOne(bubble, dt, surface);
    }
}

} // namespace wigglepad
