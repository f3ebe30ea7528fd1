#pragma once

#include "ScreenSource.h"

namespace wigglepad {

// A main screen of a fixed size, or none.
class FakeScreen final : public ScreenSource {
public:
    explicit FakeScreen(std::optional<SurfaceSize> size = SurfaceSize{1440.0, 900.0})
        : size_(size) {}
    std::optional<SurfaceSize> mainScreenSize() const override { return size_; }
    void setSize(std::optional<SurfaceSize> size) { size_ = size; }

private:
    std::optional<SurfaceSize> size_;
};

} // namespace wigglepad
