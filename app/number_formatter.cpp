#include "app/number_formatter.h"

bool NumberFormatter::isAcceptable(std::string_view text) const
{
    if (text.starts_with('-')) {
        text.remove_prefix(1);
    }
    bool seenPoint = false;
    for (const char character : text) {
        if (character >= '0' && character <= '9') {
            continue;
        }
        if (character != '.' || !_allowsFloats || seenPoint) {
            return false;
        }
        seenPoint = true;
    }
    return true;
}
