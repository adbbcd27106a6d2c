#pragma once

// The calculator view held in memory, for driving a Controller without a
// window: its controls record what the Controller sets, and its entry field
// reports whatever text and readings it was given. No widgets, no events.

#include "app/calculator_view.h"
#include "app/controller.h"
#include "app/controller_connection.h"
#include "app/number_formatter.h"
#include "app/text_reading.h"

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <variant>

class MemoryTextField : public TextField {
public:
    // Sets the text as a program would, past any formatter; the readings
    // follow from it as the real field's do.
    void setText(std::string text)
    {
        _intValue = TextReading::intValue(text);
        _floatValue = TextReading::floatValue(text, _numberSymbols);
        _text = std::move(text);
    }

    // The locale's separators, as the platform would report them; set before
    // the Controller loads.
    void setNumberSymbols(const NumberSymbols& symbols) { _numberSymbols = symbols; }

    // Sets the text and readings independently, for readings no text gives.
    void setReadings(std::string text, int32_t intValue, float floatValue)
    {
        _text = std::move(text);
        _intValue = intValue;
        _floatValue = floatValue;
    }

    std::string stringValue() const override { return _text; }
    int32_t intValue() const override { return _intValue; }
    float floatValue() const override { return _floatValue; }
    void setFormatter(std::unique_ptr<NumberFormatter> formatter) override { _formatter = std::move(formatter); }
    NumberSymbols numberSymbols() const override { return _numberSymbols; }
    void setAccessibleDescription(const std::string& description) override { _accessibleDescription = description; }

    const NumberFormatter* formatter() const { return _formatter.get(); }
    const std::string& accessibleDescription() const { return _accessibleDescription; }

private:
    std::string _text;
    int32_t _intValue = 0;
    float _floatValue = 0.0F;
    std::unique_ptr<NumberFormatter> _formatter;
    NumberSymbols _numberSymbols;
    std::string _accessibleDescription;
};

class MemoryPushButton : public PushButton {
public:
    void setEnabled(bool enabled) override { _enabled = enabled; }
    void setToolTip(const std::string& toolTip) override { _toolTip = toolTip; }

    bool isEnabled() const { return _enabled; }
    const std::string& toolTip() const { return _toolTip; }

private:
    bool _enabled = true;
    std::string _toolTip;
};

class MemoryTextView : public TextView {
public:
    void setString(const std::string& text) override { _string = text; }

    const std::string& string() const { return _string; }

private:
    std::string _string;
};

// The controls of the window, named like the Controller's fields; see
// connectControls().
struct MemoryCalculatorView {
    MemoryTextField inputField;
    MemoryTextField squareRootField;
    MemoryTextView resultView;
    MemoryPushButton factorButton;
    MemoryPushButton squareRootButton;
    MemoryPushButton primeButton;
    MemoryPushButton asFractionButton;
    MemoryTextView reasonView;
};

// A Controller on its own in-memory view, connected and loaded as the
// window's shell does, with the radical sign in its label and the given
// locale's separators in its entry field. It holds pointers into itself, so
// it is neither copied nor moved.
struct MemoryCalculator {
    MemoryCalculatorView view;
    Controller controller;

    explicit MemoryCalculator(const NumberSymbols& symbols = {})
    {
        view.inputField.setNumberSymbols(symbols);
        view.squareRootField.setText("√");
        connectControls(controller, view);
        controller.awakeFromNib();
    }
    MemoryCalculator(const MemoryCalculator&) = delete;
    MemoryCalculator& operator=(const MemoryCalculator&) = delete;

    // Sets the entry field's text and sends the text-change notification.
    void type(const std::string& text)
    {
        view.inputField.setText(text);
        controller.controlTextDidChange();
    }

    // Puts text in at the end of the field as a keystroke or paste would:
    // through the formatter, which may refuse it. False when refused.
    bool insert(const std::string& text)
    {
        const std::string current = view.inputField.stringValue();
        const auto outcome = view.inputField.formatter()->insertion(current, text, "");
        if (const auto* refusal = std::get_if<NumberFormatter::Refusal>(&outcome)) {
            controller.controlDidFailToValidate(refusal->refusedText);
            return false;
        }
        const std::string& inserted = std::get<NumberFormatter::Insertion>(outcome).text;
        if (!inserted.empty()) {
            type(current + inserted);
        }
        return true;
    }
};
