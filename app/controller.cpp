#include "app/controller.h"

#include "app/button_reasons.h"
#include "app/number_formatter.h"
#include "app/text_reading.h"
#include "fraction/qvr_fraction.h"
#include "int32/int32_arithmetic.h"
#include "integer_analysis/number_factor.h"
#include "integer_analysis/number_radical.h"

#include <array>
#include <memory>

namespace {

// The classes of input text, tested in this order.
enum class InputClass { Empty, TooBig, Integral, NonIntegral };

// Larger integers are classed too big.
constexpr int32_t largestOfferedInteger = 999'999'999;

using ButtonReasons::Reason;

// Which buttons a class of input enables, in the order factor, square root,
// prime, as fraction, and why the others are off.
struct ButtonRow {
    std::array<bool, 4> enabled;
    Reason reason;
};

// Indexed by InputClass.
constexpr std::array<ButtonRow, 4> buttonRows = {{
    {{false, false, false, false}, Reason::NotFilled},
    {{false, false, false, false}, Reason::TooBig},
    {{true, true, true, false}, Reason::Integer},
    {{false, false, false, true}, Reason::NotInteger},
}};

// The four buttons as the tool tips and the reason line speak of them.
struct ButtonText {
    // What the button does, the start of its tool tip.
    const char* purpose;
    const char* name;
};
constexpr std::array<ButtonText, 4> buttonTexts = {{
    {"Factor number.", "Factor"},
    {"Find algebraic square root of number.", "Square Root"},
    {"Find whether number is prime.", "Prime"},
    {"Find fractional representation of number.", "As Fraction"},
}};
constexpr std::size_t squareRootIndex = 1;

const std::string impossible = "Impossible";

} // namespace

void Controller::awakeFromNib()
{
    squareRootSymbol = squareRootField->stringValue();
    numberSymbols = inputField->numberSymbols();
    auto formatter = std::make_unique<NumberFormatter>();
    formatter->setAllowsFloats(true);
    formatter->setSymbols(numberSymbols);
    inputField->setFormatter(std::move(formatter));
    // The buttons start as the loaded text has them, from the same table as
    // after every change.
    controlTextDidChange();
}

void Controller::factor()
{
    const std::vector<int32_t> divisors = NumberFactor::factors(inputField->intValue());
    // Only the most negative value, which has no 32-bit magnitude, has none.
    if (divisors.empty()) {
        setResult(impossible);
        return;
    }
    std::string text;
    for (const int32_t divisor : divisors) {
        text += std::to_string(divisor);
        text += ", ";
    }
    // Drops the last comma; the space after it stays.
    text.erase(text.size() - 2, 1);
    setResult(text);
}

void Controller::squareRoot()
{
    const auto root = NumberRadical::algebraicSquareRoot(inputField->intValue());
    if (!root) {
        setResult(impossible);
        return;
    }
    const auto [coefficient, radical] = *root;
    if (radical == 1) {
        setResult(std::to_string(coefficient));
    } else if (coefficient == 0 || radical == 0) {
        setResult("0");
    } else if (coefficient == 1) {
        setResult(squareRootSymbol + std::to_string(radical));
    } else {
        setResult(std::to_string(coefficient) + squareRootSymbol + std::to_string(radical));
    }
}

void Controller::prime()
{
    const int32_t magnitude = Int32::wrappingMagnitude(inputField->intValue());
    setResult(NumberFactor::isPrime(magnitude) ? "Yes" : "No");
}

void Controller::asFraction()
{
    const float value = inputField->floatValue();
    // Beyond the 32-bit range no fraction of 32-bit terms can hold the value.
    if (!Int32::isWithinRange(value)) {
        setResult(impossible);
        return;
    }
    const QVRFraction fraction = QVRFraction::fractionWithFloat(value);
    setResult(std::to_string(fraction.numerator()) + "/" + std::to_string(fraction.denominator()));
}

void Controller::controlTextDidChange()
{
    InputClass inputClass = InputClass::NonIntegral;
    // "-" or "." alone is not yet a number, and must not read as 0.
    if (!TextReading::hasDigit(inputField->stringValue())) {
        inputClass = InputClass::Empty;
    } else if (const int32_t integer = inputField->intValue();
               integer > largestOfferedInteger || integer == Int32::min) {
        // The most negative reading stands for every text below the range too.
        inputClass = InputClass::TooBig;
    } else if (inputField->floatValue() == static_cast<float>(static_cast<double>(integer))) {
        inputClass = InputClass::Integral;
    }

    const ButtonRow& row = buttonRows.at(static_cast<std::size_t>(inputClass));
    std::array<std::optional<Reason>, 4> disabledBecause;
    for (std::size_t i = 0; i < disabledBecause.size(); ++i) {
        if (!row.enabled.at(i)) {
            disabledBecause.at(i) = row.reason;
        }
    }
    // A negative number has no real square root, whatever its class.
    if (inputField->intValue() < 0) {
        disabledBecause.at(squareRootIndex) = Reason::Negative;
    }

    const std::array<PushButton*, 4> buttons = {factorButton, squareRootButton, primeButton, asFractionButton};
    std::array<ButtonReasons::Button, 4> reasons;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        buttons.at(i)->setEnabled(!disabledBecause.at(i));
        buttons.at(i)->setToolTip(ButtonReasons::toolTip(buttonTexts.at(i).purpose, disabledBecause.at(i)));
        reasons.at(i) = {buttonTexts.at(i).name, disabledBecause.at(i)};
    }
    setReason(ButtonReasons::sentence(reasons, numberSymbols));
}

void Controller::controlDidFailToValidate(const std::string& refusedText)
{
    setReason(ButtonReasons::refusal(refusedText));
}

void Controller::setReason(const std::string& reason)
{
    reasonView->setString(reason);
    inputField->setAccessibleDescription(reason);
}

void Controller::setResult(const std::optional<std::string>& text)
{
    if (!text || text->empty()) {
        return;
    }
    resultView->setString(*text);
}
