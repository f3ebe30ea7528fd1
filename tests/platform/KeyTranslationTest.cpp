// Key positions and the characters keys type, from native scan codes.
#include "KeyboardLayout.h"
#include "VirtualKeyCode.h"

#include <gtest/gtest.h>
#include <map>

namespace wigglepad {
namespace {

// X11 key codes (evdev + 8) of some keys, named by their place on a US keyboard.
constexpr std::uint32_t kEscapeScan = 9;
constexpr std::uint32_t kDigit3Scan = 12;
constexpr std::uint32_t kQScan = 24;
constexpr std::uint32_t kAScan = 38;
constexpr std::uint32_t kSemicolonScan = 47;
constexpr std::uint32_t kMScan = 58;
constexpr std::uint32_t kLeftArrowScan = 113;

TEST(VirtualKeyCodeTest, EscapeAndTheMPositionHaveTheCodesTheGesturesWatch) {
    EXPECT_EQ(virtualKeyCodeForScanCode(kEscapeScan), kEscapeKeyCode);
    EXPECT_EQ(virtualKeyCodeForScanCode(kMScan), kMKeyCode);
    EXPECT_EQ(kEscapeKeyCode, 53);
    EXPECT_EQ(kMKeyCode, 46);
}

TEST(VirtualKeyCodeTest, NoOtherKeyReadsAsEscapeOrMAndNoTwoKeysShareACode) {
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
}

TEST(VirtualKeyCodeTest, MissingAndUnknownScanCodesAreUnknown) {
    EXPECT_EQ(virtualKeyCodeForScanCode(0), kUnknownKeyCode) << "made by a program";
    EXPECT_EQ(virtualKeyCodeForScanCode(5), kUnknownKeyCode) << "below X11's range";
    EXPECT_EQ(virtualKeyCodeForScanCode(156), kUnknownKeyCode) << "a launcher key";
    EXPECT_EQ(virtualKeyCodeForScanCode(0xFFFFFFFF), kUnknownKeyCode);
}

TEST(KeyboardLayoutTest, OnAUsLayoutShiftAloneChangesTheCharacters) {
    const KeyboardLayout us = KeyboardLayout::fromNames("us");
    ASSERT_TRUE(us.isValid());
    EXPECT_EQ(us.charactersIgnoringModifiers(kAScan, false), "a");
    EXPECT_EQ(us.charactersIgnoringModifiers(kAScan, true), "A");
    EXPECT_EQ(us.charactersIgnoringModifiers(kDigit3Scan, false), "3");
    EXPECT_EQ(us.charactersIgnoringModifiers(kDigit3Scan, true), "#");
    EXPECT_EQ(us.charactersIgnoringModifiers(kMScan, false), "m");
    EXPECT_EQ(us.charactersIgnoringModifiers(kEscapeScan, false), "\x1b");
}

TEST(KeyboardLayoutTest, OnAFrenchLayoutThePositionsTypeOtherCharacters) {
    const KeyboardLayout fr = KeyboardLayout::fromNames("fr");
    ASSERT_TRUE(fr.isValid());
    EXPECT_EQ(fr.charactersIgnoringModifiers(kQScan, false), "a");
    EXPECT_EQ(fr.charactersIgnoringModifiers(kMScan, false), ",");
    EXPECT_EQ(fr.charactersIgnoringModifiers(kSemicolonScan, false), "m");
    // The digit row types symbols; Shift gives the digit.
    EXPECT_EQ(fr.charactersIgnoringModifiers(kDigit3Scan, false), "\"");
    EXPECT_EQ(fr.charactersIgnoringModifiers(kDigit3Scan, true), "3");
    // What the key types moves with the layout; its position code does not.
    EXPECT_EQ(virtualKeyCodeForScanCode(kMScan), kMKeyCode);
    EXPECT_NE(virtualKeyCodeForScanCode(kSemicolonScan), kMKeyCode);
}

TEST(KeyboardLayoutTest, TheGroupSelectsALayoutOfAMultiLayoutKeymap) {
    const KeyboardLayout both = KeyboardLayout::fromNames("us,fr");
    ASSERT_TRUE(both.isValid());
    EXPECT_EQ(both.charactersIgnoringModifiers(kQScan, false, 0), "q");
    EXPECT_EQ(both.charactersIgnoringModifiers(kQScan, false, 1), "a");
    EXPECT_EQ(both.charactersIgnoringModifiers(kQScan, false, 7), "q") << "no such group";
}

TEST(KeyboardLayoutTest, KeysThatTypeNothingGiveNoCharacters) {
    const KeyboardLayout us = KeyboardLayout::fromNames("us");
    EXPECT_EQ(us.charactersIgnoringModifiers(kLeftArrowScan, false), "");
    EXPECT_EQ(us.charactersIgnoringModifiers(0, false), "");
    EXPECT_EQ(us.charactersIgnoringModifiers(100000, true), "");
}

TEST(KeyboardLayoutTest, AnUnknownLayoutIsInvalidAndTypesNothing) {
    const KeyboardLayout nowhere = KeyboardLayout::fromNames("no-such-layout");
    EXPECT_FALSE(nowhere.isValid());
    EXPECT_EQ(nowhere.charactersIgnoringModifiers(kAScan, false), "");
}

TEST(KeyboardLayoutTest, WithoutADisplayTheDefaultNamesGiveALayout) {
    EXPECT_TRUE(KeyboardLayout::forDisplay().isValid());
}

} // namespace
} // namespace wigglepad
