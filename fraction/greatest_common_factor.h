#pragma once

#include <cstdint>

// The greatest common factor of a and b, with a sign that normalising a
// fraction relies on: when b is 0 the answer is a; when one argument divides
// the other, that argument is returned unchanged, sign included (b is tried
// as the divisor of a first, so (-5, 10) is -5 and (12, -4) is -4); otherwise
// it is the positive gcd of the magnitudes ((12, -18) is 6). (0, 0) is 0.
int32_t greatestCommonFactor(int32_t a, int32_t b);
