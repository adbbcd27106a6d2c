#pragma once

// Reads the number at the start of a text the way the entry field reports
// it: an optional "-", digits, and at most one decimal separator with digits
// after it. Whatever follows that prefix is ignored, so a text set from code
// that the field's formatter would refuse still reads as a finite or
// saturated number. It does not validate; see NumberFormatter.

#include "app/number_symbols.h"

#include <cstdint>
#include <string_view>

namespace TextReading {

// The whole part, truncated toward zero and saturated to 32 bits: "12.9" is
// 12, "-0.5" is 0, "99999999999" is 2147483647, "" and "-" are 0.
int32_t intValue(std::string_view text);

// Correctly rounded to single precision, whatever the process locale: the
// decimal separator is the given symbols', and nothing else is ("1.5" is 1
// where the separator is ","). Too large gives an infinity, too small a
// zero; a text without digits is 0.
float floatValue(std::string_view text, const NumberSymbols& symbols = {});

// Whether the text holds a digit at all, so that it can be a number.
bool hasDigit(std::string_view text);

} // namespace TextReading
