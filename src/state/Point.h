#pragma once

#include <cmath>

namespace wigglepad {

// A surface point or a vector on the surface, in points: origin top-left, y downwards.
struct Point {
    double x = 0.0;
    double y = 0.0;

    double length() const { return std::sqrt(x * x + y * y); }

    friend constexpr Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
    friend constexpr Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
    friend constexpr Point operator*(Point a, double k) { return {a.x * k, a.y * k}; }
    friend constexpr Point operator/(Point a, double k) { return {a.x / k, a.y / k}; }
    friend constexpr bool operator==(Point a, Point b) = default;
};

inline double distance(Point a, Point b) {
    return (b - a).length();
}

inline constexpr Point midpoint(Point a, Point b) {
    return {(a.x + b.x) * 0.5, (a.y + b.y) * 0.5};
}

} // namespace wigglepad
