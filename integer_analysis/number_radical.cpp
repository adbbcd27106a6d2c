#include "integer_analysis/number_radical.h"

#include "int32/int32_arithmetic.h"
#include "integer_analysis/number_factor.h"

#include <cmath>

namespace NumberRadical {

bool isIntegerPower(int32_t n, int32_t power)
{
    const auto base = static_cast<double>(n);
    const auto exponent = static_cast<double>(power);
    // For power 0 the root exponent is +infinity, and the power function's
    // special cases leave only n = 1 passing.
    const int32_t root = Int32::saturatingFromFloating(std::pow(base, 1.0 / exponent));
    return std::pow(static_cast<double>(root), exponent) == base;
}

bool isPerfectSquare(int32_t n)
{
    return isIntegerPower(n, 2);
}

std::optional<SimplifiedSquareRoot> algebraicSquareRoot(int32_t n)
{
    const std::vector<int32_t> divisors = NumberFactor::factors(n);
    for (auto it = divisors.rbegin(); it != divisors.rend(); ++it) {
        const int32_t squareDivisor = *it;
        if (!isPerfectSquare(squareDivisor)) {
            continue;
        }
        // Only n = 0 has the square divisor 0; its radical is 1, not a quotient.
        const int32_t quotient = squareDivisor == 0 ? 0 : Int32::truncatingDivide(n, squareDivisor);
        return SimplifiedSquareRoot{
            .Coefficient = Int32::saturatingFromFloating(std::pow(static_cast<double>(squareDivisor), 0.5)),
            .Radical = quotient == 0 ? 1 : quotient,
        };
    }
    return std::nullopt;
}

} // namespace NumberRadical
