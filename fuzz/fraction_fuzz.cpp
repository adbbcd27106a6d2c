// Drives QVRFraction with arbitrary 32-bit fields through every operation.
// Aborts when a denominator becomes 0, an operation breaks the form it
// promises (normal form, lowest terms, a positive denominator) or changes
// the value where it must not, an arithmetic result is not the exact value,
// or a result that fits in 32 bits is missing.

#include "fraction/greatest_common_factor.h"
#include "fraction/qvr_fraction.h"
#include "int32/int32_arithmetic.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <numeric>
#include <optional>
#include <string>

namespace {

__extension__ using Int128 = __int128;

void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

Int128 magnitude(Int128 value)
{
    return value < 0 ? -value : value;
}

// The exact value numerator/denominator, as an arithmetic operation must give
// it: reduced, with a positive denominator, when that fits in 32 bits.
void checkResult(const std::optional<QVRFraction>& result, Int128 numerator, Int128 denominator, const char* what)
{
    if (denominator == 0) {
        require(!result, what);
        return;
    }
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const auto divisor = static_cast<Int128>(
        std::gcd(static_cast<uint64_t>(magnitude(numerator)), static_cast<uint64_t>(denominator)));
    numerator /= divisor;
    denominator /= divisor;
    const bool fits = numerator >= INT32_MIN && numerator <= INT32_MAX && denominator <= INT32_MAX;
    require(result.has_value() == fits, what);
    if (result) {
        require(result->numerator() == numerator && result->denominator() == denominator, what);
        require(result->isNormalised(), what);
    }
}

// Whether a/b and c/d are the same number.
bool sameValue(Int128 a, Int128 b, Int128 c, Int128 d)
{
    return a * d == c * b;
}

struct Input {
    int32_t a, b, c, d;
    float x;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    Input input{};
    std::memcpy(&input, data, std::min(size, sizeof input));

    const QVRFraction made = QVRFraction::fractionWithNumerator(input.a, input.b);
    require(made.denominator() != 0, "constructed denominator");
    // Exact and normal unless a negation of -2^31 wraps.
    const bool negatesMostNegative = input.b == INT32_MIN || (input.a == INT32_MIN && input.b < 0);
    if (!negatesMostNegative) {
        require(made.isNormalised(), "constructed fraction is normal");
        require(sameValue(made.numerator(), made.denominator(), input.a, input.b == 0 ? 1 : input.b),
                "constructed fraction keeps the value");
    }

    // Fields as given, through the setters: not normalised.
    QVRFraction left;
    left.setNumerator(input.a);
    left.setDenominator(input.b);
    QVRFraction right;
    right.setNumerator(input.c);
    right.setDenominator(input.d);
    const Int128 n = left.numerator();
    const Int128 d = left.denominator();
    const Int128 n2 = right.numerator();
    const Int128 d2 = right.denominator();
    require(d != 0 && d2 != 0, "set denominators");

    checkResult(left.fractionByAddingFraction(right), n * d2 + d * n2, d * d2, "sum");
    checkResult(left.fractionBySubtractingFraction(right), n * d2 - d * n2, d * d2, "difference");
    checkResult(left.fractionByMultiplyingFraction(right), n * n2, d * d2, "product");
    checkResult(left.fractionByDividingFraction(right), n * d2, d * n2, "quotient");
    checkResult(left.fractionWithAbsoluteValue(), magnitude(n), magnitude(d), "absolute value");

    const int32_t factor = greatestCommonFactor(input.a, input.c);
    if (input.a != 0 && input.c != 0 && factor != INT32_MIN) {
        require(input.a % static_cast<int64_t>(factor) == 0 && input.c % static_cast<int64_t>(factor) == 0,
                "common factor divides both");
    }

    // Neither command keeps its promise where a field is -2^31, whose
    // magnitude has no 32-bit value.
    const bool holdsMostNegative = n == INT32_MIN || d == INT32_MIN;
    left.simplify();
    require(left.denominator() != 0, "simplified denominator");
    if (!holdsMostNegative) {
        require(left.isInLowestTerms(), "simplified fraction in lowest terms");
        require(sameValue(left.numerator(), left.denominator(), n, d), "simplify keeps the value");
    }
    const Int128 simplifiedNumerator = left.numerator();
    const Int128 simplifiedDenominator = left.denominator();
    left.correctNegatives();
    require(left.denominator() != 0, "corrected denominator");
    if (simplifiedDenominator != INT32_MIN) {
        require(left.denominator() > 0, "corrected denominator is positive");
    }
    if (simplifiedDenominator != INT32_MIN && simplifiedNumerator != INT32_MIN) {
        require(sameValue(left.numerator(), left.denominator(), simplifiedNumerator, simplifiedDenominator),
                "correctNegatives keeps the value");
    }

    // A float quotient of a nonzero denominator is finite, so every fraction
    // equals itself, and equality goes both ways.
    const float value = left.floatValue();
    require(std::isfinite(value), "float value is finite");
    require(left.isEqual(left), "a fraction equals itself");
    require(left.isEqual(right) == right.isEqual(left), "equality is symmetric");
    // The integer value truncates toward zero: less than 1 away, never past.
    const int32_t truncated = left.intValue();
    if (Int32::isWithinRange(value)) {
        require(std::fabs(static_cast<double>(value) - truncated) < 1.0 &&
                    std::fabs(static_cast<double>(truncated)) <= std::fabs(static_cast<double>(value)),
                "integer value truncates");
    }
    const std::string description = left.compactDescription();
    require(description == "(" + std::to_string(left.numerator()) + "/" + std::to_string(left.denominator()) + ")",
            "compact description shows the fields");

    const QVRFraction fromFloat = QVRFraction::fractionWithFloat(input.x);
    require(fromFloat.denominator() != 0, "denominator from a float");
    require(fromFloat.isInLowestTerms(), "fraction from a float in lowest terms");
    if (Int32::isWithinRange(input.x)) {
        const double fromFloatValue = static_cast<double>(fromFloat.numerator()) / fromFloat.denominator();
        require(std::fabs(fromFloatValue - input.x) <= 1e-6 * std::fabs(input.x) + 1e-9, "fraction close to the float");
    }
    return 0;
}
