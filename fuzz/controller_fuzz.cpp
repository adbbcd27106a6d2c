// Feeds arbitrary bytes as the entry field's text to a Controller on the
// in-memory view, then presses every button the text left enabled. Aborts
// when the buttons do not match the text's class or an answer is not of its
// documented shape and value, when a German locale reads the same text with
// the comma differently, or when the normalisation of pasted text changes a
// number: drops or adds a digit, loses the sign, lets in a character the
// formatter refuses, or changes a text that was already acceptable.

#include "app/controller.h"
#include "app/input_normalisation.h"
#include "app/number_formatter.h"
#include "app/testing/memory_calculator_view.h"
#include "app/text_reading.h"
#include "app/unicode_text.h"
#include "int32/int32_arithmetic.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace {

void require(bool condition, const char* what, const std::string& text)
{
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s (text of %zu bytes)\n", what, text.size());
        std::abort();
    }
}

enum class Expected { Empty, TooBig, Integral, NonIntegral };

Expected expectedClass(const std::string& text, int32_t integer, float value)
{
    if (!TextReading::hasDigit(text)) {
        return Expected::Empty;
    }
    if (integer > 999999999 || integer == std::numeric_limits<int32_t>::min()) {
        return Expected::TooBig;
    }
    return value == static_cast<float>(integer) ? Expected::Integral : Expected::NonIntegral;
}

// The number at the start of a text, read by the C library in the C locale.
std::string numberPrefix(const std::string& text)
{
    std::size_t end = text.starts_with('-') ? 1 : 0;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9') {
        ++end;
    }
    if (end < text.size() && text[end] == '.') {
        ++end;
        while (end < text.size() && text[end] >= '0' && text[end] <= '9') {
            ++end;
        }
    }
    return text.substr(0, end);
}

void checkReadings(const std::string& text, int32_t integer, float value)
{
    const std::string prefix = numberPrefix(text);
    if (!TextReading::hasDigit(prefix)) {
        require(integer == 0 && value == 0.0F, "a text without a leading number reads 0", text);
        return;
    }
    require(value == std::strtof(prefix.c_str(), nullptr), "float reading is strtof's", text);
    const long long whole = std::strtoll(prefix.c_str(), nullptr, 10);
    const long long saturated = std::clamp<long long>(whole, std::numeric_limits<int32_t>::min(),
                                                      std::numeric_limits<int32_t>::max());
    require(integer == saturated, "integer reading is the saturated whole part", text);
}

std::vector<long long> parseFactorList(const std::string& answer, const std::string& text)
{
    require(answer.ends_with(' ') && !answer.ends_with(", "), "factor list ends with one space", text);
    std::vector<long long> numbers;
    std::size_t position = 0;
    while (position < answer.size()) {
        std::size_t end = 0;
        numbers.push_back(std::stoll(answer.substr(position), &end));
        position += end;
        if (answer.compare(position, 2, ", ") == 0) {
            position += 2;
        } else {
            require(position + 1 == answer.size(), "factor list separated by \", \"", text);
            ++position;
        }
    }
    return numbers;
}

void checkFactor(const std::string& answer, int32_t integer, const std::string& text)
{
    const long long magnitude = std::llabs(static_cast<long long>(integer));
    const std::vector<long long> divisors = parseFactorList(answer, text);
    if (magnitude == 0) {
        require(divisors == std::vector<long long>{0}, "0 lists 0", text);
        return;
    }
    long long count = 0;
    for (long long i = 1; i * i <= magnitude; ++i) {
        if (magnitude % i == 0) {
            count += i * i == magnitude ? 1 : 2;
        }
    }
    require(static_cast<long long>(divisors.size()) == count, "every divisor listed", text);
    for (std::size_t i = 0; i < divisors.size(); ++i) {
        require(divisors[i] > 0 && magnitude % divisors[i] == 0, "listed numbers divide", text);
        require(i == 0 || divisors[i - 1] < divisors[i], "divisors ascend", text);
    }
}

void checkPrime(const std::string& answer, int32_t integer, const std::string& text)
{
    const long long magnitude = std::llabs(static_cast<long long>(integer));
    bool prime = magnitude >= 2;
    for (long long i = 2; prime && i * i <= magnitude; ++i) {
        prime = magnitude % i != 0;
    }
    require(answer == (prime ? "Yes" : "No"), "prime answer", text);
}

void checkSquareRoot(const std::string& answer, int32_t integer, const std::string& text)
{
    const std::string sign = "√";
    const std::size_t signAt = answer.find(sign);
    long long coefficient = 1;
    long long radical = 1;
    if (signAt == std::string::npos) {
        coefficient = std::stoll(answer);
    } else {
        if (signAt > 0) {
            coefficient = std::stoll(answer.substr(0, signAt));
        }
        radical = std::stoll(answer.substr(signAt + sign.size()));
        require(radical > 1, "a shown radical is above 1", text);
        for (long long k = 2; k * k <= radical; ++k) {
            require(radical % (k * k) != 0, "the radical has no square factor", text);
        }
    }
    require(coefficient * coefficient * radical == integer, "c²·r is the number", text);
}

void checkFraction(const std::string& answer, float value, const std::string& text)
{
    if (!Int32::isWithinRange(value)) {
        require(answer == "Impossible", "no fraction beyond the 32-bit range", text);
        return;
    }
    std::size_t end = 0;
    const long long numerator = std::stoll(answer, &end);
    require(answer[end] == '/', "n/d", text);
    const long long denominator = std::stoll(answer.substr(end + 1));
    require(denominator != 0, "denominator not 0", text);
    const double error = std::fabs(static_cast<double>(numerator) / static_cast<double>(denominator) - value);
    require(error <= 1e-6 * std::fabs(value) + 1e-9, "fraction close to the value", text);
}

} // namespace

const NumberSymbols germanSymbols{.decimalSeparator = U',', .groupSeparator = U'.'};

// The text with "." and "," exchanged: how a German locale writes it.
std::string withCommaAndPointExchanged(std::string text)
{
    for (char& c : text) {
        c = c == '.' ? ',' : c == ',' ? '.' : c;
    }
    return text;
}

// The decimal digits of a text, of any script, as ASCII, in order.
std::string digitsOf(std::string_view text)
{
    std::string digits;
    for (const char32_t c : UnicodeText::decoded(text)) {
        if (const auto value = UnicodeText::decimalDigitValue(c)) {
            digits.push_back(static_cast<char>('0' + *value));
        }
    }
    return digits;
}

void checkNormalisation(const std::string& text, const NumberSymbols& symbols)
{
    NumberFormatter formatter;
    formatter.setAllowsFloats(true);
    formatter.setSymbols(symbols);
    const std::optional<std::string> number = InputNormalisation::normalised(text, symbols);
    if (formatter.isAcceptable(text)) {
        require(number == text, "an acceptable text stays as it is", text);
    }
    const auto outcome = formatter.insertion("", text, "");
    if (!number || number->empty() || !formatter.isAcceptable(*number)) {
        require(text.empty() || std::holds_alternative<NumberFormatter::Refusal>(outcome), "a non-number is refused",
                text);
        return;
    }
    require(std::get<NumberFormatter::Insertion>(outcome).text == *number, "a number goes in as normalised", text);
    require(digitsOf(*number) == digitsOf(text), "normalisation keeps every digit, in order", text);
    const std::u32string characters = UnicodeText::decoded(text);
    const auto first = std::find_if_not(characters.begin(), characters.end(), UnicodeText::isWhiteSpace);
    const bool signedText = first != characters.end() && !UnicodeText::decimalDigitValue(*first) &&
                            *first != U'.' && *first != U',' && *first != symbols.decimalSeparator &&
                            *first != U'+' && *first != U'\uFF0B';
    require(number->starts_with('-') == signedText, "normalisation keeps the sign", text);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);

    MemoryCalculator calculator;
    calculator.type(text);
    const MemoryCalculatorView& view = calculator.view;
    Controller& controller = calculator.controller;
    const int32_t integer = view.inputField.intValue();
    const float value = view.inputField.floatValue();
    checkReadings(text, integer, value);

    const Expected expected = expectedClass(text, integer, value);
    const bool integral = expected == Expected::Integral;
    require(view.factorButton.isEnabled() == integral, "factor button", text);
    require(view.primeButton.isEnabled() == integral, "prime button", text);
    require(view.squareRootButton.isEnabled() == (integral && integer >= 0), "square root button", text);
    require(view.asFractionButton.isEnabled() == (expected == Expected::NonIntegral), "fraction button", text);
    for (const MemoryPushButton* button :
         {&view.factorButton, &view.squareRootButton, &view.primeButton, &view.asFractionButton}) {
        const bool explained = button->toolTip().find("(Disabled because") != std::string::npos;
        require(explained != button->isEnabled(), "tool tip explains exactly the disabled buttons", text);
    }
    // Some button is always off, and the reason line says why.
    require(!view.reasonView.string().empty(), "the reason line explains", text);
    require(view.inputField.accessibleDescription() == view.reasonView.string(), "the description is the reason",
            text);

    // The same number written the German way reads and classes the same.
    MemoryCalculator german(germanSymbols);
    german.type(withCommaAndPointExchanged(text));
    require(german.view.inputField.intValue() == integer, "German integer reading", text);
    const float germanValue = german.view.inputField.floatValue();
    require(germanValue == value || (std::isnan(germanValue) && std::isnan(value)), "German float reading", text);
    require(german.view.asFractionButton.isEnabled() == view.asFractionButton.isEnabled() &&
                german.view.factorButton.isEnabled() == view.factorButton.isEnabled(),
            "German buttons", text);

    checkNormalisation(text, NumberSymbols{});
    checkNormalisation(text, germanSymbols);

    if (view.factorButton.isEnabled()) {
        controller.factor();
        checkFactor(view.resultView.string(), integer, text);
    }
    if (view.primeButton.isEnabled()) {
        controller.prime();
        checkPrime(view.resultView.string(), integer, text);
    }
    if (view.squareRootButton.isEnabled()) {
        controller.squareRoot();
        checkSquareRoot(view.resultView.string(), integer, text);
    }
    if (view.asFractionButton.isEnabled()) {
        controller.asFraction();
        checkFraction(view.resultView.string(), value, text);
    }
    return 0;
}
