// Drives QVRFraction with arbitrary 32-bit fields through every operation.
// Aborts when a denominator becomes 0, an arithmetic result is not the exact
// value in lowest terms with a positive denominator, or a result that fits
// in 32 bits is missing.

#include "greatest_common_factor.h"
#include "qvr_fraction.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <numeric>
#include <optional>

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
    }
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

    left.simplify();
    left.correctNegatives();
    require(left.denominator() != 0, "simplified denominator");
    (void)left.floatValue();
    (void)left.intValue();
    (void)left.isEqual(right);
    (void)left.description();

    const QVRFraction fromFloat = QVRFraction::fractionWithFloat(input.x);
    require(fromFloat.denominator() != 0, "denominator from a float");
    if (std::isfinite(input.x) && std::fabs(input.x) < 2147483648.0F) {
        const double value = static_cast<double>(fromFloat.numerator()) / fromFloat.denominator();
        require(std::fabs(value - input.x) <= 1e-6 * std::fabs(input.x) + 1e-9, "fraction close to the float");
    }
    return 0;
}
