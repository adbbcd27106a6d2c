#pragma once

// Perfect powers and the simplified square root c·√r of a 32-bit integer,
// found as the largest perfect-square divisor. Pure functions; formatting the
// root for display is the caller's business.

#include <cstdint>
#include <optional>

namespace NumberRadical {

// √n = Coefficient·√Radical, with Radical free of square factors and carrying
// n's sign: 12 is {2, 3}, -12 is {2, -3}, 16 is {4, 1}, 0 is {0, 1}.
struct SimplifiedSquareRoot {
    int32_t Coefficient = 0;
    int32_t Radical = 1;

    friend bool operator==(const SimplifiedSquareRoot&, const SimplifiedSquareRoot&) = default;
};

// Whether n is k^power for the truncated real root k of n; only 1 passes for
// power 0, and no negative n passes for an even power.
bool isIntegerPower(int32_t n, int32_t power);

bool isPerfectSquare(int32_t n);

// Absent only for the most negative value, which has no 32-bit magnitude.
std::optional<SimplifiedSquareRoot> algebraicSquareRoot(int32_t n);

} // namespace NumberRadical
