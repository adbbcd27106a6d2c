#pragma once

// The characters a locale writes numbers with, as the entry field shows and
// reads them. The window takes them from the system locale; the defaults are
// those of the C locale.
struct NumberSymbols {
    char32_t decimalSeparator = U'.';
    char32_t groupSeparator = U',';
};
