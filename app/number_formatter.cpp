#include "app/number_formatter.h"

#include "app/input_normalisation.h"
#include "app/unicode_text.h"

bool NumberFormatter::isAcceptable(std::string_view text) const
{
    if (text.starts_with('-')) {
        text.remove_prefix(1);
    }
    const std::string separator = UnicodeText::encoded(_symbols.decimalSeparator);
    bool seenSeparator = false;
    while (!text.empty()) {
        if (text.front() >= '0' && text.front() <= '9') {
            text.remove_prefix(1);
            continue;
        }
        if (!text.starts_with(separator) || !_allowsFloats || seenSeparator) {
            return false;
        }
        seenSeparator = true;
        text.remove_prefix(separator.size());
    }
    return true;
}

std::variant<NumberFormatter::Insertion, NumberFormatter::Refusal>
NumberFormatter::insertion(std::string_view before, std::string_view inserted, std::string_view after) const
{
    if (inserted.empty()) {
        return Insertion{};
    }
    const std::optional<std::string> number = InputNormalisation::normalised(inserted, _symbols);
    // White space alone stands for no number, so it is refused too.
    if (!number || number->empty()) {
        return Refusal{std::string(inserted)};
    }
    std::string whole;
    whole.reserve(before.size() + number->size() + after.size());
    whole.append(before).append(*number).append(after);
    if (!isAcceptable(whole)) {
        return Refusal{whole};
    }
    return Insertion{*number};
}
