#pragma once

// The calculator view interface: the operations the Controller needs of the
// window's controls, and nothing else. A Qt window and an in-memory view
// both implement it; the Controller sees only these classes.

#include "app/number_symbols.h"

#include <cstdint>
#include <memory>
#include <string>

class NumberFormatter;

class TextField {
public:
    virtual ~TextField() = default;

    // The text exactly as typed.
    virtual std::string stringValue() const = 0;
    // The whole part, truncated toward zero and saturated to 32 bits; 0 for
    // a text without digits.
    virtual int32_t intValue() const = 0;
    // The text rounded to single precision; 0 for a text without digits.
    virtual float floatValue() const = 0;
    // The field keeps the formatter, and accepts only text it allows.
    virtual void setFormatter(std::unique_ptr<NumberFormatter> formatter) = 0;
    // The separators the field shows and reads numbers with: the locale's.
    virtual NumberSymbols numberSymbols() const = 0;
    // What assistive technology reads out about the field, besides its name
    // and its text; setting an unchanged text tells nobody.
    virtual void setAccessibleDescription(const std::string& description) = 0;
};

class PushButton {
public:
    virtual ~PushButton() = default;

    virtual void setEnabled(bool enabled) = 0;
    virtual void setToolTip(const std::string& toolTip) = 0;
};

class TextView {
public:
    virtual ~TextView() = default;

    // Replaces the whole text.
    virtual void setString(const std::string& text) = 0;
};
