#pragma once

#include <array>
#include <cstdint>

namespace wigglepad {

// A random (version 4) 128-bit identity for play records.
class Uuid {
public:
    // Draws from a generator of its own, so identities never disturb the play's random draws.
    static Uuid random();

    friend bool operator==(const Uuid&, const Uuid&) = default;

private:
    std::array<std::uint8_t, 16> bytes_{};
};

} // namespace wigglepad
