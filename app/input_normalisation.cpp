#include "app/input_normalisation.h"

#include "app/unicode_text.h"

#include <algorithm>
#include <vector>

namespace {

bool isMinusSign(char32_t c)
{
    return c == U'-' || c == U'\u2212' || (c >= U'\u2012' && c <= U'\u2015') || c == U'\uFE63' || c == U'\uFF0D';
}

bool isPlusSign(char32_t c)
{
    return c == U'+' || c == U'\uFF0B';
}

// Separators that are never a decimal separator, only a group separator.
bool isGroupingOnly(char32_t c)
{
    return c == U' ' || c == U'\u00A0' || c == U'\u202F' || c == U'\u2009' || c == U'\'' || c == U'\u2019';
}

bool isPointOrComma(char32_t c)
{
    return c == U'.' || c == U',';
}

// Whether the separators at these positions of the whole part split it into
// a first group of one to three digits and further groups of exactly three.
// Nobody groups a number that starts with 0: "0.123" is no thousand.
bool groupsOfThree(const std::u32string& whole, const std::vector<std::size_t>& separators)
{
    if (!separators.empty() && whole.starts_with(U'0')) {
        return false;
    }
    std::size_t groupStart = 0;
    for (std::size_t k = 0; k <= separators.size(); ++k) {
        const std::size_t groupEnd = k < separators.size() ? separators[k] : whole.size();
        const std::size_t length = groupEnd - groupStart;
        const bool fits = k == 0 ? length >= 1 && length <= 3 : length == 3;
        if (!fits) {
            return false;
        }
        groupStart = groupEnd + 1;
    }
    return true;
}

bool isAsciiDigit(char32_t c)
{
    return c >= U'0' && c <= U'9';
}

} // namespace

namespace InputNormalisation {

std::optional<std::string> normalised(std::string_view text, const NumberSymbols& symbols)
{
    std::u32string characters = UnicodeText::decoded(text);

    // 1. White space at either end.
    const auto first = std::find_if_not(characters.begin(), characters.end(), UnicodeText::isWhiteSpace);
    const auto last = std::find_if_not(characters.rbegin(), std::make_reverse_iterator(first), UnicodeText::isWhiteSpace);
    std::u32string trimmed(first, last.base());

    // 2. Signs and digits of other scripts.
    std::string result;
    std::size_t start = 0;
    if (!trimmed.empty() && isPlusSign(trimmed.front())) {
        start = 1;
        // "+-5" is no way to write a number.
        if (start < trimmed.size() && isMinusSign(trimmed[start])) {
            return std::nullopt;
        }
    } else if (!trimmed.empty() && isMinusSign(trimmed.front())) {
        result = "-";
        start = 1;
    }
    std::u32string body;
    body.reserve(trimmed.size() - start);
    for (std::size_t i = start; i < trimmed.size(); ++i) {
        const char32_t c = trimmed[i];
        if (const auto digit = UnicodeText::decimalDigitValue(c)) {
            body.push_back(U'0' + static_cast<char32_t>(*digit));
        } else if (c == symbols.decimalSeparator || c == symbols.groupSeparator || isPointOrComma(c) ||
                   isGroupingOnly(c)) {
            body.push_back(c);
        } else {
            return std::nullopt;
        }
    }

    // 3 and 4. Which separator, if any, is the decimal one.
    std::vector<std::size_t> separators;
    for (std::size_t i = 0; i < body.size(); ++i) {
        if (!isAsciiDigit(body[i])) {
            separators.push_back(i);
        }
    }
    std::optional<std::size_t> decimalAt;
    const bool allGroupTheWhole =
        std::all_of(separators.begin(), separators.end(),
                    [&](std::size_t i) { return isGroupingOnly(body[i]) || body[i] == symbols.groupSeparator; }) &&
        groupsOfThree(body, separators);
    if (!separators.empty() && !allGroupTheWhole) {
        // Else the last separator is the decimal one, and every other one is
        // a different character that groups the whole part.
        const std::size_t decimal = separators.back();
        const char32_t decimalCharacter = body[decimal];
        if (!isPointOrComma(decimalCharacter) && decimalCharacter != symbols.decimalSeparator) {
            return std::nullopt;
        }
        separators.pop_back();
        const bool othersGroup = std::all_of(separators.begin(), separators.end(), [&](std::size_t i) {
            return body[i] != decimalCharacter &&
                   (isGroupingOnly(body[i]) || isPointOrComma(body[i]) || body[i] == symbols.groupSeparator);
        });
        if (!othersGroup || (!separators.empty() && !groupsOfThree(body.substr(0, decimal), separators))) {
            return std::nullopt;
        }
        decimalAt = decimal;
    }

    // 5. The digits, with the decimal separator written as the locale's.
    for (std::size_t i = 0; i < body.size(); ++i) {
        if (decimalAt && i == *decimalAt) {
            result += UnicodeText::encoded(symbols.decimalSeparator);
        } else if (isAsciiDigit(body[i])) {
            result.push_back(static_cast<char>(body[i]));
        }
    }
    return result;
}

} // namespace InputNormalisation
