#pragma once

// 32-bit two's-complement arithmetic without undefined behaviour: sums,
// products and negations wrap modulo 2^32, division and remainder never trap,
// and floating values become integers by truncation with saturation. Code
// whose 32-bit arithmetic can leave the range (a negation of a typed number,
// the fraction's normalising steps) goes through these helpers; arithmetic
// that provably stays in range, such as a loop counter below a square root
// or an accumulator of 64 bits, is written plainly. The helpers do no
// rounding, formatting or checking of their own.

#include <cmath>
#include <cstdint>
#include <limits>

namespace Int32 {

inline constexpr int32_t min = std::numeric_limits<int32_t>::min();
inline constexpr int32_t max = std::numeric_limits<int32_t>::max();
// 2^31, the magnitude of min and one more than max: no floating value of at
// least this magnitude has a 32-bit value of its own.
inline constexpr double rangeBound = 2147483648.0;

// Whether x lies strictly inside (-2^31, 2^31); false for NaN and the
// infinities.
inline bool isWithinRange(double x)
{
    return std::fabs(x) < rangeBound;
}

// Unsigned arithmetic wraps by definition and the conversion back to int32_t
// is modular since C++20, so these are exact two's-complement results.
constexpr int32_t wrappingAdd(int32_t a, int32_t b)
{
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

constexpr int32_t wrappingSubtract(int32_t a, int32_t b)
{
    return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}

constexpr int32_t wrappingMultiply(int32_t a, int32_t b)
{
    return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}

// -min is min again.
constexpr int32_t wrappingNegate(int32_t a)
{
    return static_cast<int32_t>(0U - static_cast<uint32_t>(a));
}

// The magnitude by wrapping negation: min stays negative.
constexpr int32_t wrappingMagnitude(int32_t a)
{
    return a < 0 ? wrappingNegate(a) : a;
}

// Truncates toward zero; min / -1 wraps to min. The divisor must not be 0.
constexpr int32_t truncatingDivide(int32_t a, int32_t b)
{
    return b == -1 ? wrappingNegate(a) : a / b;
}

// Takes the sign of the dividend; min % -1 is 0. The divisor must not be 0.
constexpr int32_t truncatingRemainder(int32_t a, int32_t b)
{
    return b == -1 ? 0 : a % b;
}

// Truncates toward zero and saturates: at or above 2^31 gives max, at or
// below -2^31 gives min, NaN gives min. A float argument widens exactly.
inline int32_t saturatingFromFloating(double x)
{
    if (std::isnan(x) || x <= -rangeBound) {
        return min;
    }
    if (x >= rangeBound) {
        return max;
    }
    return static_cast<int32_t>(x);
}

} // namespace Int32
