#include "app/unicode_text.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

constexpr char32_t replacementCharacter = U'\uFFFD';

// The zero of every run of ten decimal digits, as of Unicode 15.1; each run
// holds the digits 0 to 9 in order.
constexpr std::array<char32_t, 68> digitZeros = {
    0x30,    0x660,   0x6F0,   0x7C0,   0x966,   0x9E6,   0xA66,   0xAE6,   0xB66,   0xBE6,   0xC66,   0xCE6,
    0xD66,   0xDE6,   0xE50,   0xED0,   0xF20,   0x1040,  0x1090,  0x17E0,  0x1810,  0x1946,  0x19D0,  0x1A80,
    0x1A90,  0x1B50,  0x1BB0,  0x1C40,  0x1C50,  0xA620,  0xA8D0,  0xA900,  0xA9D0,  0xA9F0,  0xAA50,  0xABF0,
    0xFF10,  0x104A0, 0x10D30, 0x11066, 0x110F0, 0x11136, 0x111D0, 0x112F0, 0x11450, 0x114D0, 0x11650, 0x116C0,
    0x11730, 0x118E0, 0x11950, 0x11C50, 0x11D50, 0x11DA0, 0x11F50, 0x16A60, 0x16AC0, 0x16B50, 0x1D7CE, 0x1D7D8,
    0x1D7E2, 0x1D7EC, 0x1D7F6, 0x1E140, 0x1E2F0, 0x1E4F0, 0x1E950, 0x1FBF0,
};

// How many bytes follow a lead byte, or -1 for a byte that cannot lead.
int continuationCount(unsigned char lead)
{
    if (lead < 0x80) {
        return 0;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 1;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 2;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 3;
    }
    return -1;
}

} // namespace

namespace UnicodeText {

std::u32string decoded(std::string_view utf8)
{
    std::u32string text;
    text.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int count = continuationCount(lead);
        if (count == 0) {
            text.push_back(lead);
            ++i;
            continue;
        }
        if (count < 0 || utf8.size() - i <= static_cast<std::size_t>(count)) {
            text.push_back(replacementCharacter);
            ++i;
            continue;
        }
        char32_t character = static_cast<char32_t>(lead & (0x3F >> count));
        bool valid = true;
        for (int k = 1; k <= count; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80) {
                valid = false;
                break;
            }
            character = (character << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are malformed.
        constexpr std::array<char32_t, 4> smallest = {0, 0x80, 0x800, 0x10000};
        valid = valid && character >= smallest.at(static_cast<std::size_t>(count)) && character <= 0x10FFFF &&
                (character < 0xD800 || character > 0xDFFF);
        if (!valid) {
            text.push_back(replacementCharacter);
            ++i;
            continue;
        }
        text.push_back(character);
        i += static_cast<std::size_t>(count) + 1;
    }
    return text;
}

std::string encoded(char32_t character)
{
    std::string bytes;
    const auto append = [&bytes](uint32_t byte) { bytes.push_back(static_cast<char>(byte)); };
    const auto value = static_cast<uint32_t>(character);
    if (value < 0x80) {
        append(value);
    } else if (value < 0x800) {
        append(0xC0 | (value >> 6));
        append(0x80 | (value & 0x3F));
    } else if (value < 0x10000) {
        append(0xE0 | (value >> 12));
        append(0x80 | ((value >> 6) & 0x3F));
        append(0x80 | (value & 0x3F));
    } else {
        append(0xF0 | (value >> 18));
        append(0x80 | ((value >> 12) & 0x3F));
        append(0x80 | ((value >> 6) & 0x3F));
        append(0x80 | (value & 0x3F));
    }
    return bytes;
}

std::string encoded(std::u32string_view text)
{
    std::string bytes;
    bytes.reserve(text.size());
    for (const char32_t character : text) {
        bytes += encoded(character);
    }
    return bytes;
}

bool isWhiteSpace(char32_t c)
{
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

std::optional<int> decimalDigitValue(char32_t character)
{
    // The last run whose zero is at or before the character.
    const auto* after = std::upper_bound(digitZeros.begin(), digitZeros.end(), character);
    if (after == digitZeros.begin()) {
        return std::nullopt;
    }
    const char32_t zero = *(after - 1);
    if (character - zero > 9) {
        return std::nullopt;
    }
    return static_cast<int>(character - zero);
}

} // namespace UnicodeText
