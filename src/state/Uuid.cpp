#include "Uuid.h"

#include <random>

namespace wigglepad {

namespace {

constexpr std::uint8_t kVersionMask = 0x0f;
constexpr std::uint8_t kVersion4 = 0x40;
constexpr std::uint8_t kVariantMask = 0x3f;
constexpr std::uint8_t kVariantRfc4122 = 0x80;

std::mt19937_64& identityEngine() {
    static std::mt19937_64 engine = [] {
        std::random_device device;
        std::seed_seq seed{device(), device(), device(), device()};
        return std::mt19937_64(seed);
    }();
    return engine;
}

} // namespace

Uuid Uuid::random() {
    Uuid uuid;
    std::mt19937_64& engine = identityEngine();
    for (std::size_t half = 0; half < 2; ++half) {
        std::uint64_t bits = engine();
        for (std::size_t i = 0; i < 8; ++i) {
            uuid.bytes_[half * 8 + i] = static_cast<std::uint8_t>(bits & 0xffU);
            bits >>= 8;
        }
    }
    uuid.bytes_[6] = static_cast<std::uint8_t>((uuid.bytes_[6] & kVersionMask) | kVersion4);
    uuid.bytes_[8] = static_cast<std::uint8_t>((uuid.bytes_[8] & kVariantMask) | kVariantRfc4122);
    return uuid;
}

} // namespace wigglepad
