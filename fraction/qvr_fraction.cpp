#include "fraction/qvr_fraction.h"

#include "fraction/greatest_common_factor.h"
#include "int32/int32_arithmetic.h"

#include <cmath>
#include <cstdlib>
#include <numeric>
#include <sstream>

namespace {

// Wide enough for every sum of two products of 32-bit values.
__extension__ using Int128 = __int128;

// The fraction numerator/denominator in lowest terms with a positive
// denominator, if it fits in 32 bits; none when the denominator is 0.
std::optional<QVRFraction> reducedFraction(Int128 numerator, Int128 denominator)
{
    if (denominator == 0) {
        return std::nullopt;
    }
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    // Both magnitudes are below 2^64 for sums of two products of 32-bit values.
    const auto numeratorMagnitude = static_cast<uint64_t>(numerator < 0 ? -numerator : numerator);
    const auto divisor = static_cast<Int128>(std::gcd(numeratorMagnitude, static_cast<uint64_t>(denominator)));
    numerator /= divisor;
    denominator /= divisor;
    if (numerator < Int32::min || numerator > Int32::max || denominator > Int32::max) {
        return std::nullopt;
    }
    return QVRFraction(static_cast<int32_t>(numerator), static_cast<int32_t>(denominator));
}

} // namespace

QVRFraction QVRFraction::fractionWithNumerator(int32_t numerator, int32_t denominator)
{
    return QVRFraction(numerator, denominator);
}

QVRFraction QVRFraction::fractionWithInt(int32_t n)
{
    return fractionWithNumerator(n, 1);
}

QVRFraction QVRFraction::fractionWithFloat(float x)
{
    return QVRFraction(x);
}

QVRFraction::QVRFraction(int32_t numerator, int32_t denominator)
{
    if (denominator < 0) {
        numerator = Int32::wrappingNegate(numerator);
        denominator = Int32::wrappingNegate(denominator);
    }
    setNumerator(numerator);
    setDenominator(denominator);
    simplify();
    correctNegatives();
}

QVRFraction::QVRFraction(float x)
{
    // 10^9 is the largest power of ten a 32-bit denominator holds.
    constexpr int maximumScale = 9;
    int scale = 0;
    // Beyond 2^31 no float equals its saturated truncation, and scaling could
    // never make it so.
    if (std::isfinite(x) && std::fabs(x) <= Int32::rangeBound) {
        while (x != static_cast<float>(Int32::saturatingFromFloating(x)) && scale < maximumScale) {
            x *= 10.0F;
            ++scale;
        }
    }
    setNumerator(Int32::saturatingFromFloating(x));
    setDenominator(Int32::saturatingFromFloating(std::pow(10.0, scale)));
    simplify();
}

std::string QVRFraction::description() const
{
    std::ostringstream text;
    text << "QVRFraction {\n\tNumerator: " << _numerator << "\n\tDenominator: " << _denominator << "\n}";
    return text.str();
}

std::string QVRFraction::compactDescription() const
{
    std::ostringstream text;
    text << "(" << _numerator << "/" << _denominator << ")";
    return text.str();
}

std::optional<QVRFraction> QVRFraction::fractionByAddingFraction(const QVRFraction& other) const
{
    return reducedFraction(Int128{_numerator} * other._denominator + Int128{_denominator} * other._numerator,
                           Int128{_denominator} * other._denominator);
}

std::optional<QVRFraction> QVRFraction::fractionBySubtractingFraction(const QVRFraction& other) const
{
    return reducedFraction(Int128{_numerator} * other._denominator - Int128{_denominator} * other._numerator,
                           Int128{_denominator} * other._denominator);
}

std::optional<QVRFraction> QVRFraction::fractionByMultiplyingFraction(const QVRFraction& other) const
{
    return reducedFraction(Int128{_numerator} * other._numerator, Int128{_denominator} * other._denominator);
}

std::optional<QVRFraction> QVRFraction::fractionByDividingFraction(const QVRFraction& other) const
{
    return reducedFraction(Int128{_numerator} * other._denominator, Int128{_denominator} * other._numerator);
}

std::optional<QVRFraction> QVRFraction::fractionWithAbsoluteValue() const
{
    return reducedFraction(std::llabs(_numerator), std::llabs(_denominator));
}

void QVRFraction::simplify()
{
    // Never 0: the denominator is not 0, so neither is the factor.
    const int32_t factor = greatestCommonFactor(_numerator, _denominator);
    setNumerator(Int32::truncatingDivide(_numerator, factor));
    setDenominator(Int32::truncatingDivide(_denominator, factor));
}

void QVRFraction::correctNegatives()
{
    if (_denominator < 0) {
        setNumerator(Int32::wrappingNegate(_numerator));
        setDenominator(Int32::wrappingNegate(_denominator));
    }
}

bool QVRFraction::isInLowestTerms() const
{
    return std::gcd(int64_t{_numerator}, int64_t{_denominator}) == 1;
}

float QVRFraction::floatValue() const
{
    return static_cast<float>(_numerator) / static_cast<float>(_denominator);
}

int32_t QVRFraction::intValue() const
{
    return Int32::saturatingFromFloating(floatValue());
}
