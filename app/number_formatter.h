#pragma once

// Decides which texts an entry field accepts: those that are, or can become
// by further typing, a decimal number. It reads no values; see TextReading.

#include <string_view>

class NumberFormatter {
public:
    void setAllowsFloats(bool allowsFloats) { _allowsFloats = allowsFloats; }
    bool allowsFloats() const { return _allowsFloats; }

    // An optional leading "-", then digits, with at most one "." among them
    // when floats are allowed. "" and "-" are acceptable: typing goes on.
    bool isAcceptable(std::string_view text) const;

private:
    bool _allowsFloats = false;
};
