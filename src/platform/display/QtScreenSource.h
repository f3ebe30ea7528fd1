#pragma once

#include "ScreenSource.h"

namespace wigglepad {

// The primary screen's size in logical pixels, read afresh on every call; absent while Qt
// knows no screen (before the application object exists, or with every display unplugged).
class QtScreenSource final : public ScreenSource {
public:
    std::optional<SurfaceSize> mainScreenSize() const override;
};

} // namespace wigglepad
