#include "app/text_reading.h"

#include "app/unicode_text.h"
#include "int32/int32_arithmetic.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string>

namespace {

bool isDigit(char character)
{
    return character >= '0' && character <= '9';
}

} // namespace

namespace TextReading {

int32_t intValue(std::string_view text)
{
    const bool negative = text.starts_with('-');
    if (negative) {
        text.remove_prefix(1);
    }
    // Accumulates the magnitude until it is past the 32-bit range; further
    // digits cannot change the saturated value.
    constexpr int64_t beyondRange = int64_t{1} << 32;
    int64_t magnitude = 0;
    for (const char character : text) {
        if (!isDigit(character) || magnitude >= beyondRange) {
            break;
        }
        magnitude = magnitude * 10 + (character - '0');
    }
    const int64_t value = negative ? -magnitude : magnitude;
    return static_cast<int32_t>(std::clamp<int64_t>(value, Int32::min, Int32::max));
}

float floatValue(std::string_view text, const NumberSymbols& symbols)
{
    const bool negative = text.starts_with('-');
    const std::string_view rest = negative ? text.substr(1) : text;
    // The number's extent: digits, then the separator and more digits.
    // A plain loop: a 32767-digit text is scanned on every change.
    const auto digitsAt = [](std::string_view from) {
        std::size_t count = 0;
        while (count < from.size() && from[count] >= '0' && from[count] <= '9') {
            ++count;
        }
        return count;
    };
    const std::size_t wholeDigits = digitsAt(rest);
    const std::string separator = UnicodeText::encoded(symbols.decimalSeparator);
    std::size_t fractionDigits = 0;
    const bool hasSeparator = rest.substr(wholeDigits).starts_with(separator);
    if (hasSeparator) {
        fractionDigits = digitsAt(rest.substr(wholeDigits + separator.size()));
    }
    if (wholeDigits + fractionDigits == 0) {
        // "", "-", "." or "-." alone: no digit yet.
        return 0.0F;
    }
    // The parser wants "." as the point; another separator is copied over.
    const std::string_view integerPart = text.substr(0, (negative ? 1 : 0) + wholeDigits);
    std::string_view number = integerPart;
    std::string copy;
    if (hasSeparator && separator == ".") {
        number = text.substr(0, integerPart.size() + 1 + fractionDigits);
    } else if (hasSeparator) {
        copy.append(integerPart).append(".").append(rest.substr(wholeDigits + separator.size(), fractionDigits));
        number = copy;
    }
    float value = 0.0F;
    const std::errc error = std::from_chars(number.data(), number.data() + number.size(), value).ec;
    if (error != std::errc::result_out_of_range) {
        return value;
    }
    // Out of range: too large if the whole part has a nonzero digit, else
    // too small to tell from zero.
    const std::string_view whole = rest.substr(0, wholeDigits);
    const bool tooLarge = whole.find_first_not_of('0') != std::string_view::npos;
    const float magnitude = tooLarge ? std::numeric_limits<float>::infinity() : 0.0F;
    return negative ? -magnitude : magnitude;
}

bool hasDigit(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), isDigit);
}

} // namespace TextReading
