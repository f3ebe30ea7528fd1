#pragma once

#include "SurfaceSize.h"

#include <optional>

namespace wigglepad {

// Reports the main screen's size, read afresh by every spawn and every frame.
class ScreenSource {
public:
    virtual ~ScreenSource() = default;
    // Absent when no main screen is known.
    virtual std::optional<SurfaceSize> mainScreenSize() const = 0;

    SurfaceSize surfaceSize() const { return mainScreenSize().value_or(kFallbackSurfaceSize); }
};

} // namespace wigglepad
