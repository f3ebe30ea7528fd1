#pragma once

#include <QEasingCurve>
#include <chrono>

namespace wigglepad {

// How a view change is animated: how long it takes and how it speeds up and slows down.
struct Animation {
    std::chrono::milliseconds duration;
    QEasingCurve curve;

    // The default: a short ease-in-out over 0.35 s.
    static Animation standard();
};

} // namespace wigglepad
