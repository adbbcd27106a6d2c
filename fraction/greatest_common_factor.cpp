#include "fraction/greatest_common_factor.h"

#include "int32/int32_arithmetic.h"

#include <cstdlib>

int32_t greatestCommonFactor(int32_t a, int32_t b)
{
    if (b == 0) {
        return a;
    }
    if (a != 0 && Int32::truncatingRemainder(b, a) == 0) {
        return a;
    }
    if (Int32::truncatingRemainder(a, b) == 0) {
        return b;
    }
    // Euclid by remainders on 64-bit magnitudes, so that the most negative
    // value has a magnitude and no call takes more than a few dozen steps.
    auto larger = static_cast<uint64_t>(std::llabs(a));
    auto smaller = static_cast<uint64_t>(std::llabs(b));
    while (smaller != 0) {
        const uint64_t remainder = larger % smaller;
        larger = smaller;
        smaller = remainder;
    }
    // Both magnitudes are nonzero and not both 2^31 (then a divides b above),
    // so the gcd is at most 2^30.
    return static_cast<int32_t>(larger);
}
