#pragma once

// The window's behaviour: classifies the entry field's text on every change
// to enable the four buttons and say why the others are off, and turns a
// button press into result text.
// It knows the controls only through the calculator view interface; binding
// them to real widgets, and routing events here, is the shell's work.

#include "app/calculator_view.h"

#include <optional>
#include <string>

class Controller {
public:
    // The window's controls, connected by the shell before awakeFromNib().
    // The controller refers to them and never owns them.
    TextField* inputField = nullptr;
    // Holds the radical sign shown in square-root answers.
    TextField* squareRootField = nullptr;
    TextView* resultView = nullptr;
    PushButton* factorButton = nullptr;
    PushButton* squareRootButton = nullptr;
    PushButton* primeButton = nullptr;
    PushButton* asFractionButton = nullptr;
    // The line under the buttons that says why buttons are off, or why the
    // last keystroke or paste was refused.
    TextView* reasonView = nullptr;

    // Once the controls are connected: fetches the radical sign, gives the
    // entry field a formatter that accepts decimals, and sets the buttons for
    // the field's text as loaded.
    void awakeFromNib();

    // The four button actions. Each reads the entry field at the press.
    void factor();
    void squareRoot();
    void prime();
    void asFraction();

    // After every change of the entry field's text: sets all four buttons'
    // enabled flags and tool tips from that text alone, and the reason line
    // and the field's accessible description to the reasons.
    void controlTextDidChange();

    // When the entry field refused a keystroke or a paste, leaving its text
    // as it was: the reason line says why, until the next change.
    void controlDidFailToValidate(const std::string& refusedText);

    // Replaces the result area's text; an absent or empty text leaves the
    // previous answer on show.
    void setResult(const std::optional<std::string>& text);

    // Closing the window ends the program.
    bool applicationShouldTerminateAfterLastWindowClosed() const { return true; }

private:
    void setReason(const std::string& reason);

    std::string squareRootSymbol;
    // The entry field's, fetched with the radical sign.
    NumberSymbols numberSymbols;
};
