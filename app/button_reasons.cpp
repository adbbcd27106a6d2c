#include "app/button_reasons.h"

#include "app/unicode_text.h"

#include <algorithm>
#include <vector>

namespace {

using ButtonReasons::Reason;

std::string_view phrase(Reason reason)
{
    switch (reason) {
    case Reason::NotFilled:
        return "the field is not filled";
    case Reason::TooBig:
        return "the number is too big";
    case Reason::Integer:
        return "the number is an integer";
    case Reason::NotInteger:
        return "the number is not an integer";
    case Reason::Negative:
        return "the number is negative";
    }
    return {};
}

// 999999999 as the locale groups it: 999,999,999 or 999.999.999.
std::string grouped(std::string_view digits, const NumberSymbols& symbols)
{
    const std::string separator = UnicodeText::encoded(symbols.groupSeparator);
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            text += separator;
        }
        text.push_back(digits[i]);
    }
    return text;
}

// What would turn a button off for this reason back on.
std::string remedy(Reason reason, const NumberSymbols& symbols)
{
    switch (reason) {
    case Reason::NotFilled:
        return "type a number";
    case Reason::TooBig:
        return "use a number from -" + grouped("2147483647", symbols) + " to " + grouped("999999999", symbols);
    case Reason::Integer:
        return "type a decimal, such as 0" + UnicodeText::encoded(symbols.decimalSeparator) + "75";
    case Reason::NotInteger:
        return "type a whole number";
    case Reason::Negative:
        return "type a whole number of 0 or more";
    }
    return {};
}

// "Factor", "Factor and Prime", "Factor, Square Root and Prime".
std::string listed(const std::vector<std::string_view>& names)
{
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) {
            text += i + 1 == names.size() ? " and " : ", ";
        }
        text += names[i];
    }
    return text;
}

// The refused text as the reason line quotes it: on one line, and short.
std::string quoted(std::string_view text)
{
    constexpr std::size_t longest = 24;
    std::u32string characters = UnicodeText::decoded(text);
    std::u32string shown;
    for (const char32_t c : characters) {
        const bool blank = UnicodeText::isWhiteSpace(c) || c < 0x20 || c == 0x7F;
        if (blank && (shown.empty() || shown.back() == U' ')) {
            continue;
        }
        shown.push_back(blank ? U' ' : c);
    }
    while (!shown.empty() && shown.back() == U' ') {
        shown.pop_back();
    }
    if (shown.size() > longest) {
        shown.resize(longest - 1);
        shown.push_back(U'…');
    }
    return "“" + UnicodeText::encoded(shown) + "”";
}

} // namespace

namespace ButtonReasons {

std::string toolTip(std::string_view purpose, std::optional<Reason> disabledBecause)
{
    std::string text(purpose);
    if (disabledBecause) {
        text += " (Disabled because ";
        text += phrase(*disabledBecause);
        text += ".)";
    }
    return text;
}

std::string sentence(const std::array<Button, 4>& buttons, const NumberSymbols& symbols)
{
    std::vector<Reason> reasons;
    for (const Button& button : buttons) {
        if (button.disabledBecause && std::find(reasons.begin(), reasons.end(), *button.disabledBecause) == reasons.end()) {
            reasons.push_back(*button.disabledBecause);
        }
    }
    std::string text;
    for (const Reason reason : reasons) {
        std::vector<std::string_view> names;
        for (const Button& button : buttons) {
            if (button.disabledBecause == reason) {
                names.push_back(button.name);
            }
        }
        if (!text.empty()) {
            text += " ";
        }
        const bool all = names.size() == buttons.size();
        text += all ? std::string("All four buttons") : listed(names);
        text += names.size() == 1 ? " is off because " : " are off because ";
        text += phrase(reason);
        text += ": ";
        text += remedy(reason, symbols);
        text += ".";
    }
    return text;
}

std::string refusal(std::string_view refusedText)
{
    return quoted(refusedText) +
           " is not a number: only digits, one decimal separator and a leading minus can be entered.";
}

} // namespace ButtonReasons
