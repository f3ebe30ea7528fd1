#pragma once

#include "Color.h"
#include "Point.h"
#include "TimeStamp.h"
#include "Uuid.h"

#include <optional>
#include <string>

namespace wigglepad {

// A falling figure or character. The frame step changes the one in AppState's list in place.
struct PlayShape {
    Uuid id;
    Point position;                       // centre, surface points
    Color color;                          // a palette entry
    int kind = 0;                         // figure: 0 circle, 1 rounded square, 2 triangle
    double size = 0.0;                    // extent in points
    TimeStamp born = 0.0;                 // creation time
    Point velocity;                       // points per second
    bool settled = false;                 // resting on the floor, skipped by gravity and motion
    std::optional<TimeStamp> settledTime; // when it came to rest; present exactly while settled
    std::optional<std::string> character; // upper-case letter or digit shown instead of a figure
};

} // namespace wigglepad
