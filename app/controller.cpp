#include "app/controller.h"

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

// Which buttons a class of input enables, and why the others are off.
struct ButtonRow {
    bool factor;
    bool squareRoot;
    bool prime;
    bool asFraction;
    const char* reason;
};

// Indexed by InputClass.
constexpr std::array<ButtonRow, 4> buttonRows = {{
    {false, false, false, false, "the field is not filled"},
    {false, false, false, false, "the number is too big"},
    {true, true, true, false, "the number is an integer"},
    {false, false, false, true, "the number is not an integer"},
}};

// What each button does, the start of its tool tip.
constexpr const char* factorPurpose = "Factor number.";
constexpr const char* squareRootPurpose = "Find algebraic square root of number.";
constexpr const char* primePurpose = "Find whether number is prime.";
constexpr const char* asFractionPurpose = "Find fractional representation of number.";

void setButton(PushButton& button, const char* purpose, bool enabled, const char* reason)
{
    button.setEnabled(enabled);
    std::string toolTip = purpose;
    if (!enabled) {
        toolTip += std::string(" (Disabled because ") + reason + ".)";
    }
    button.setToolTip(toolTip);
}

const std::string impossible = "Impossible";

} // namespace

void Controller::awakeFromNib()
{
    squareRootSymbol = squareRootField->stringValue();
    auto formatter = std::make_unique<NumberFormatter>();
    formatter->setAllowsFloats(true);
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
    setButton(*factorButton, factorPurpose, row.factor, row.reason);
    setButton(*squareRootButton, squareRootPurpose, row.squareRoot, row.reason);
    setButton(*primeButton, primePurpose, row.prime, row.reason);
    setButton(*asFractionButton, asFractionPurpose, row.asFraction, row.reason);

    if (inputField->intValue() < 0) {
        setButton(*squareRootButton, squareRootPurpose, false, "the number is negative");
    }
}

void Controller::setResult(const std::optional<std::string>& text)
{
    if (!text || text->empty()) {
        return;
    }
    resultView->setString(*text);
}
