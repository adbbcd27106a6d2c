#include "app/text_reading.h"

#include "int32/int32_arithmetic.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>

namespace {

bool isDigit(char character)
{
    return character >= '0' && character <= '9';
}

// Where an exponent ("e" or "E") starts in the parsed number [begin, end),
// or end when it has none. memchr keeps this quick on long texts.
const char* exponentStart(const char* begin, const char* end)
{
    const auto length = static_cast<std::size_t>(end - begin);
    const char* exponent = end;
    for (const char letter : {'e', 'E'}) {
        if (const void* found = std::memchr(begin, letter, length); found != nullptr) {
            exponent = std::min(exponent, static_cast<const char*>(found));
        }
    }
    return exponent;
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

float floatValue(std::string_view text)
{
    const bool negative = text.starts_with('-');
    const std::string_view unsignedPart = negative ? text.substr(1) : text;
    // Only digits or a point may follow the sign: this keeps out the names
    // "inf" and "nan", which the parser below would otherwise accept.
    if (unsignedPart.empty() || (!isDigit(unsignedPart.front()) && unsignedPart.front() != '.')) {
        return 0.0F;
    }
    float value = 0.0F;
    std::from_chars_result result = std::from_chars(text.data(), text.data() + text.size(), value);
    // An exponent is not part of the number: "1e5" reads as 1. Reading again
    // up to the "e" is cheaper than the parser's fixed format on long texts.
    if (const char* exponent = exponentStart(text.data(), result.ptr); exponent != result.ptr) {
        result = std::from_chars(text.data(), exponent, value);
    }
    const std::errc error = result.ec;
    if (error == std::errc::invalid_argument) {
        // "." or "-." alone: no digit yet.
        return 0.0F;
    }
    if (error != std::errc::result_out_of_range) {
        return value;
    }
    // Out of range: too large if the whole part has a nonzero digit, that is
    // if the first character other than a leading zero is a digit, else too
    // small to tell from zero.
    const std::size_t firstNonzero = unsignedPart.find_first_not_of('0');
    const bool tooLarge = firstNonzero != std::string_view::npos && isDigit(unsignedPart[firstNonzero]);
    const float magnitude = tooLarge ? std::numeric_limits<float>::infinity() : 0.0F;
    return negative ? -magnitude : magnitude;
}

bool hasDigit(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), isDigit);
}

} // namespace TextReading
