#include "integer_analysis/number_factor.h"

#include "int32/int32_arithmetic.h"

#include <algorithm>
#include <cmath>

namespace NumberFactor {

std::vector<int32_t> factors(int32_t n)
{
    const int32_t magnitude = Int32::wrappingMagnitude(n);
    // For the most negative value the magnitude stays negative, the power is
    // NaN and the root saturates to the most negative value: no divisor at all.
    const int32_t root = Int32::saturatingFromFloating(std::pow(static_cast<double>(magnitude), 0.5));

    std::vector<int32_t> divisors;
    divisors.reserve(2);
    // The root of a perfect square enters here, and only here; 0 enters as {0}.
    if (std::pow(std::floor(static_cast<double>(root)), 2.0) == static_cast<double>(magnitude)) {
        divisors.push_back(root);
    }
    for (int32_t i = 1; i <= root; ++i) {
        // Both are positive here, and unsigned division is the cheaper one.
        const auto quotient = static_cast<int32_t>(static_cast<uint32_t>(magnitude) / static_cast<uint32_t>(i));
        if (Int32::wrappingMultiply(quotient, i) == magnitude && i != quotient) {
            divisors.push_back(i);
            divisors.push_back(quotient);
        }
    }
    std::sort(divisors.begin(), divisors.end());
    return divisors;
}

bool isPrime(int32_t n)
{
    if (n == 0 || n == 1 || n == Int32::min) {
        return false;
    }
    return factors(n).size() < 3;
}

} // namespace NumberFactor
