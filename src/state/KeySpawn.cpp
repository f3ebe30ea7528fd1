#include "KeySpawn.h"

#include "AppState.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <memory>
#include <unicode/brkiter.h>
#include <unicode/locid.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

namespace wigglepad {

namespace {

// Numerals of other scripts are worth 100 or 10000; a key press never makes more than this.
constexpr int kMostFiguresPerKey = 10;
// The zero key stands for ten, the end of the row of digit keys.
constexpr int kFiguresForZero = 10;
constexpr double kDigitJitter = 30.0;

icu::UnicodeString decodeUtf8(std::string_view characters) {
    const auto length = static_cast<int32_t>(std::min<std::size_t>(characters.size(), INT32_MAX));
    return icu::UnicodeString::fromUTF8(icu::StringPiece(characters.data(), length));
}

// The first user-perceived character: a base letter keeps its combining accents.
icu::UnicodeString firstCharacter(const icu::UnicodeString& text) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::BreakIterator> breaks(
        icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
    int32_t end = text.moveIndex32(0, 1); // one code point, should the break rules be missing
    if (U_SUCCESS(status) && breaks) {
        breaks->setText(text);
        const int32_t boundary = breaks->following(0);
        if (boundary != icu::BreakIterator::DONE) {
            end = boundary;
        }
    }
    return icu::UnicodeString(text, 0, end);
}

bool isNumber(UChar32 c) {
    return u_getIntPropertyValue(c, UCHAR_NUMERIC_TYPE) != U_NT_NONE;
}

// u_isalpha is exactly the general category L.
bool isLetterOrNumber(UChar32 c) {
    return u_isalpha(c) || isNumber(c);
}

std::optional<double> wholeNumberValue(UChar32 c) {
    const double value = u_getNumericValue(c);
    if (value == U_NO_NUMERIC_VALUE || value < 0.0 || value != std::floor(value)) {
        return std::nullopt;
    }
    return value;
}

std::string upperCased(icu::UnicodeString character) {
    character.toUpper(icu::Locale::getRoot());
    std::string utf8;
    character.toUTF8String(utf8);
    return utf8;
}

KeySpawn figuresFor(std::optional<double> wholeNumber) {
    if (!wholeNumber || *wholeNumber == 1.0) {
        return {std::nullopt, 1, 0.0};
    }
    if (*wholeNumber == 0.0) {
        return {std::nullopt, kFiguresForZero, kDigitJitter};
    }
    const double count = std::min(*wholeNumber, static_cast<double>(kMostFiguresPerKey));
    return {std::nullopt, static_cast<int>(count), kDigitJitter};
}

} // namespace

KeySpawn KeySpawn::forKey(std::string_view characters, PlayMode mode) {
    const icu::UnicodeString text = decodeUtf8(characters);
    if (text.isEmpty()) {
        return {};
    }
    const icu::UnicodeString character = firstCharacter(text);
    const UChar32 first = character.char32At(0);
    if (mode == PlayMode::lettersNumbers) {
        if (isLetterOrNumber(first)) {
            return {upperCased(character), 1, 0.0};
        }
        return {};
    }
    return figuresFor(isNumber(first) ? wholeNumberValue(first) : std::nullopt);
}

void KeySpawn::applyTo(AppState& state) const {
    if (character) {
        state.spawnCharacter(*character, std::nullopt);
        return;
    }
    for (int i = 0; i < count; ++i) {
        state.spawnShape(std::nullopt, jitter);
    }
}

} // namespace wigglepad
