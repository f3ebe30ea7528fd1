// Key positions and the characters keys type, from native scan codes.
#include "KeyboardLayout.h"
#include "VirtualKeyCode.h"

#include <gtest/gtest.h>
#include <map>
#include <tuple>

namespace wigglepad {
namespace {

// X11 key codes (evdev + 8) of some keys, named by their place on a US keyboard.
constexpr std::uint32_t kEscapeScan = 9, kDigit3Scan = 12, kQScan = 24, kYScan = 29, kAScan = 38,
                        kSScan = 39, kSemicolonScan = 47, kMScan = 58, kKeypad7Scan = 79,
                        kLeftArrowScan = 113;

// The exit hold watches Escape's position: no other key may read as it.
TEST(VirtualKeyCodeTest, EachKnownScanCodeHasACodeOfItsOwn) {
    std::map<VirtualKeyCode, std::uint32_t> owner;
    for (std::uint32_t scan = 0; scan < 1024; ++scan) {
        const VirtualKeyCode code = virtualKeyCodeForScanCode(scan);
        if (code == kUnknownKeyCode)
            continue;
        const auto [it, fresh] = owner.emplace(code, scan);
        EXPECT_TRUE(fresh) << "scan codes " << it->second << " and " << scan << " share " << code;
    }
    EXPECT_EQ(owner.at(kEscapeKeyCode), kEscapeScan);
    for (const std::uint32_t unknown : {0u, 5u, 156u, 0xFFFFFFFFu})
        EXPECT_EQ(virtualKeyCodeForScanCode(unknown), kUnknownKeyCode) << unknown;
}

// Letters, the digit row with and without Shift, and keypad 7 with NumLock (Mod2, as X11
// reports it) off and on, on the layouts of the children who play; M is held by whatever key
// types "m", and where no key does, by the US M position.
TEST(KeyboardLayoutTest, TheLayoutItsGroupAndTheLocksDecideWhatAPositionTypes) {
    constexpr std::uint32_t kNumLock = 0x10, kCtrlAlt = 0x0C;
    const std::tuple<std::string, std::uint32_t, KeyboardLayout::Typing, const char*> rows[] = {
        {"fr", kQScan, {}, "a"},
        {"fr", kDigit3Scan, {}, "\""},
        {"fr", kDigit3Scan, {.shift = true}, "3"},
        {"fr", kKeypad7Scan, {}, ""},
        {"fr", kKeypad7Scan, {.locks = kNumLock}, "7"},
        {"de", kYScan, {}, "z"},
        {"de", kDigit3Scan, {.shift = true}, "\u00a7"},
        {"de", kKeypad7Scan, {.locks = kNumLock | kCtrlAlt}, "7"},
        {"us(dvorak)", kQScan, {}, "'"},
        {"us(dvorak)", kSScan, {.locks = kCtrlAlt}, "o"},
        {"us(dvorak)", kDigit3Scan, {.shift = true}, "#"},
        {"us(dvorak)", kKeypad7Scan, {.shift = true, .locks = kNumLock}, ""},
        {"us,ru", kQScan, {}, "q"},
        {"us,ru", kQScan, {.group = 1}, "\u0439"},
        {"us,ru", kDigit3Scan, {.shift = true, .group = 1}, "\u2116"},
        {"us,ru", kKeypad7Scan, {.locks = kNumLock, .group = 1}, "7"},
        {"us,ru", kQScan, {.group = 7}, "q"}, // no such group
        {"us", kLeftArrowScan, {}, ""},
        {"us", 0, {}, ""},
        {"us", 100000, {.shift = true}, ""},
        {"no-such-layout", kAScan, {}, ""}};
    for (const auto& [names, scan, typing, characters] : rows) {
        SCOPED_TRACE(names + " scan " + std::to_string(scan));
        const KeyboardLayout layout = KeyboardLayout::fromNames(names);
        EXPECT_EQ(layout.isValid(), names != "no-such-layout");
        EXPECT_EQ(layout.charactersIgnoringModifiers(scan, typing), characters);
    }
    const std::tuple<const char*, std::uint32_t, std::uint32_t> mKeys[] = {
        {"fr", 0, kSemicolonScan}, {"de", 0, kMScan},    {"us(dvorak)", 0, kMScan},
        {"ru", 0, kMScan},         {"ru,fr", 0, kMScan}, {"ru,fr", 1, kSemicolonScan}};
    for (const auto& [names, group, scan] : mKeys)
        EXPECT_EQ(KeyboardLayout::fromNames(names).mKeyScanCode(group), scan) << names << group;
    EXPECT_TRUE(KeyboardLayout::forDisplay().isValid()) << "the default names, off X11";
}

} // namespace
} // namespace wigglepad
