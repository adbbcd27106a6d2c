#pragma once

// Decides what text the entry field takes: a whole text is acceptable when
// it is, or can become by further typing, a decimal number written with the
// locale's decimal separator; text entering at the cursor (a keystroke, a
// paste, a drop) is first read as the number it stands for. It reads no
// values; see TextReading.

#include "app/number_symbols.h"

#include <string>
#include <string_view>
#include <variant>

class NumberFormatter {
public:
    void setAllowsFloats(bool allowsFloats) { _allowsFloats = allowsFloats; }
    bool allowsFloats() const { return _allowsFloats; }
    void setSymbols(const NumberSymbols& symbols) { _symbols = symbols; }
    const NumberSymbols& symbols() const { return _symbols; }

    // An optional leading "-", then digits, with at most one decimal
    // separator among them when floats are allowed. "" and "-" are
    // acceptable: typing goes on.
    bool isAcceptable(std::string_view text) const;

    // Text to put in at the cursor in place of the selection.
    struct Insertion {
        std::string text;
    };
    // What was not a number: the inserted text itself, or, where that was a
    // number, the whole text it would have made.
    struct Refusal {
        std::string refusedText;
    };

    // The inserted text read as a number (so "," typed in the C locale puts
    // in "." and a pasted "1,000" puts in "1000"), if the whole text it makes
    // between before and after is acceptable.
    std::variant<Insertion, Refusal> insertion(std::string_view before, std::string_view inserted,
                                               std::string_view after) const;

private:
    bool _allowsFloats = false;
    NumberSymbols _symbols;
};
