// Key positions and the characters keys type, from native scan codes.
#include "KeyboardLayout.h"
#include "VirtualKeyCode.h"

#include <gtest/gtest.h>
#include <map>

namespace wigglepad {
namespace {

// X11 key codes (evdev + 8) of some keys, named by their place on a US keyboard.
constexpr std::uint32_t kEscapeScan = 9;
constexpr std::uint32_t kQScan = 24;
constexpr std::uint32_t kAScan = 38;
constexpr std::uint32_t kMScan = 58;
constexpr std::uint32_t kLeftArrowScan = 113;

// The hold gestures watch Escape and the M position: no other key may read as either.
TEST(VirtualKeyCodeTest, EachKnownScanCodeHasACodeOfItsOwn) {
    std::map<VirtualKeyCode, std::uint32_t> owner;
    for (std::uint32_t scan = 0; scan < 1024; ++scan) {
        const VirtualKeyCode code = virtualKeyCodeForScanCode(scan);
        if (code == kUnknownKeyCode) {
            continue;
        }
        const auto [it, fresh] = owner.emplace(code, scan);
        EXPECT_TRUE(fresh) << "scan codes " << it->second << " and " << scan << " share " << code;
    }
    EXPECT_EQ(owner.at(kEscapeKeyCode), kEscapeScan);
    EXPECT_EQ(owner.at(kMKeyCode), kMScan);
    for (const std::uint32_t unknown : {0u, 5u, 156u, 0xFFFFFFFFu}) {
        EXPECT_EQ(virtualKeyCodeForScanCode(unknown), kUnknownKeyCode) << unknown;
    }
}

TEST(KeyboardLayoutTest, TheLayoutAndItsGroupDecideWhatAPositionTypes) {
    struct Row {
        const char* layout;
        std::uint32_t scan;
        bool shift;
        std::uint32_t group;
        const char* characters;
    };
    const Row rows[] = {
        {"fr", kQScan, false, 0, "a"},        {"us,fr", kQScan, false, 0, "q"},
        {"us,fr", kQScan, false, 1, "a"},     {"us,fr", kQScan, false, 7, "q"}, // no such group
        {"us", kLeftArrowScan, false, 0, ""}, {"us", 0, false, 0, ""},
        {"us", 100000, true, 0, ""},          {"no-such-layout", kAScan, false, 0, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.layout) + " scan " + std::to_string(row.scan));
        const KeyboardLayout layout = KeyboardLayout::fromNames(row.layout);
        EXPECT_EQ(layout.isValid(), std::string(row.layout) != "no-such-layout");
        EXPECT_EQ(layout.charactersIgnoringModifiers(row.scan, row.shift, row.group),
                  row.characters);
    }
    EXPECT_TRUE(KeyboardLayout::forDisplay().isValid()) << "the default names, off X11";
}

} // namespace
} // namespace wigglepad
