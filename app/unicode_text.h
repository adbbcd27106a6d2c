#pragma once

// The few Unicode facts the entry field's text handling needs, without a
// toolkit: UTF-8 to code points and back, white space, and decimal digits.

#include <optional>
#include <string>
#include <string_view>

namespace UnicodeText {

// Malformed UTF-8 reads as U+FFFD, one for each byte that starts no valid
// sequence, so every byte string decodes to something.
std::u32string decoded(std::string_view utf8);
std::string encoded(std::u32string_view text);
std::string encoded(char32_t character);

// Unicode's White_Space property.
bool isWhiteSpace(char32_t character);

// The value 0 to 9 of a decimal digit of any script (general category Nd),
// such as U+0663 ARABIC-INDIC DIGIT THREE or U+FF17 FULLWIDTH DIGIT SEVEN.
std::optional<int> decimalDigitValue(char32_t character);

} // namespace UnicodeText
