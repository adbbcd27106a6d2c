#pragma once

// Turns text that enters the entry field other than by one keystroke (a
// paste, a drop, an input method's commit) into the number it stands for, as
// the field writes numbers: an optional "-", ASCII digits, and the locale's
// decimal separator. It reads numbers the way people write and copy them:
// surrounding white space, a leading "+", typographic minus signs, digits of
// any script, and digit groups. It decides nothing about where the text
// goes; see NumberFormatter.

#include "app/number_symbols.h"

#include <optional>
#include <string>
#include <string_view>

namespace InputNormalisation {

// The number the UTF-8 text stands for, or none when it is not a number. In
// order:
// 1. White space at either end is dropped.
// 2. A leading "+" is dropped; U+2212 and the dashes U+2012 to U+2015 (and
//    the fullwidth and small hyphen-minus) read as "-"; decimal digits of
//    any script read as 0 to 9.
// 3. Group separators (space, U+00A0, U+202F, U+2009, the apostrophes and
//    the locale's own) are dropped where they stand between digit groups of
//    exactly three in the whole part.
// 4. The one remaining "." or "," becomes the locale's decimal separator;
//    where both appear, the last is the decimal separator and the other must
//    have been a valid group separator.
// 5. Anything else, or a separator that fits neither reading, is not a
//    number.
// "", "-" and a lone separator come back as what they are: not yet a
// number, but what typing would make of them.
std::optional<std::string> normalised(std::string_view text, const NumberSymbols& symbols);

} // namespace InputNormalisation
