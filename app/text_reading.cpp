#include "text_reading.h"

#include "int32_arithmetic.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace {

bool isDigit(char character)
{
    return character >= '0' && character <= '9';
}

// The parts of the leading "-digits.digits".
struct NumberPrefix {
    bool negative = false;
    std::string_view wholeDigits;
    // The whole prefix, sign and point included.
    std::string_view text;
};

NumberPrefix numberPrefix(std::string_view text)
{
    NumberPrefix prefix;
    std::size_t position = 0;
    if (position < text.size() && text[position] == '-') {
        prefix.negative = true;
        ++position;
    }
    const std::size_t wholeStart = position;
    while (position < text.size() && isDigit(text[position])) {
        ++position;
    }
    prefix.wholeDigits = text.substr(wholeStart, position - wholeStart);
    if (position < text.size() && text[position] == '.') {
        ++position;
        while (position < text.size() && isDigit(text[position])) {
            ++position;
        }
    }
    prefix.text = text.substr(0, position);
    return prefix;
}

} // namespace

namespace TextReading {

int32_t intValue(std::string_view text)
{
    const NumberPrefix prefix = numberPrefix(text);
    // Accumulates the magnitude until it is past the 32-bit range; further
    // digits cannot change the saturated value.
    constexpr int64_t beyondRange = int64_t{1} << 32;
    int64_t magnitude = 0;
    for (const char digit : prefix.wholeDigits) {
        magnitude = magnitude * 10 + (digit - '0');
        if (magnitude >= beyondRange) {
            break;
        }
    }
    const int64_t value = prefix.negative ? -magnitude : magnitude;
    return static_cast<int32_t>(std::clamp<int64_t>(value, Int32::min, Int32::max));
}

float floatValue(std::string_view text)
{
    const NumberPrefix prefix = numberPrefix(text);
    if (!hasDigit(prefix.text)) {
        return 0.0F;
    }
    float value = 0.0F;
    const auto [end, error] = std::from_chars(prefix.text.data(), prefix.text.data() + prefix.text.size(), value);
    if (error != std::errc::result_out_of_range) {
        return value;
    }
    // Out of range: too large if the whole part has a nonzero digit, else too
    // small to tell from zero.
    const bool tooLarge = std::any_of(prefix.wholeDigits.begin(), prefix.wholeDigits.end(),
                                      [](char digit) { return digit != '0'; });
    const float magnitude = tooLarge ? std::numeric_limits<float>::infinity() : 0.0F;
    return prefix.negative ? -magnitude : magnitude;
}

bool hasDigit(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), isDigit);
}

} // namespace TextReading
