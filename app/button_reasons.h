#pragma once

// Why a button is off, in words: the phrase a disabled button's tool tip
// ends with, and the reason line under the buttons, which says for every
// disabled button why it is off and what would turn it on, or why the last
// keystroke or paste was refused. It decides nothing about which buttons
// are off; see Controller.

#include "app/number_symbols.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace ButtonReasons {

enum class Reason { NotFilled, TooBig, Integer, NotInteger, Negative };

// "Factor number." alone for an enabled button; for a disabled one, with
// " (Disabled because the number is too big.)" and the like after it.
std::string toolTip(std::string_view purpose, std::optional<Reason> disabledBecause);

struct Button {
    // As the reason line names it: "Square Root".
    std::string_view name;
    // None while the button is on.
    std::optional<Reason> disabledBecause;
};

// One sentence for each reason that turns buttons off, in the order of the
// first button it turns off, naming the buttons and what would turn them
// on; the limits are written with the locale's group separator. Empty when
// every button is on.
std::string sentence(const std::array<Button, 4>& buttons, const NumberSymbols& symbols);

// For text the entry field refused, shortened to a glance: ends with why.
std::string refusal(std::string_view refusedText);

} // namespace ButtonReasons
