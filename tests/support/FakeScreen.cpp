#include "FakeScreen.h"

namespace wigglepad {

FakeScreen::FakeScreen(std::optional<SurfaceSize> size)
    : size_(size) {}

} // namespace wigglepad
