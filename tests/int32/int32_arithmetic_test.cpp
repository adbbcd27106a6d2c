#include "int32/int32_arithmetic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr int32_t kMin = Int32::min;
constexpr int32_t kMax = Int32::max;

TEST(Int32Arithmetic, WrapsModuloTwoToThe32)
{
    EXPECT_EQ(Int32::wrappingAdd(kMax, 1), kMin);
    EXPECT_EQ(Int32::wrappingAdd(kMin, -1), kMax);
    EXPECT_EQ(Int32::wrappingSubtract(kMin, 1), kMax);
    EXPECT_EQ(Int32::wrappingSubtract(0, kMin), kMin);
    EXPECT_EQ(Int32::wrappingMultiply(65536, 32768), kMin);
    EXPECT_EQ(Int32::wrappingMultiply(kMax, kMax), 1);
    EXPECT_EQ(Int32::wrappingMultiply(-7, 6), -42);
    EXPECT_EQ(Int32::wrappingNegate(kMin), kMin);
    EXPECT_EQ(Int32::wrappingNegate(kMax), -kMax);
    EXPECT_EQ(Int32::wrappingMagnitude(kMin), kMin);
    EXPECT_EQ(Int32::wrappingMagnitude(-5), 5);
}

TEST(Int32Arithmetic, DivisionTruncatesTowardZeroAndNeverTraps)
{
    struct Row {
        int32_t a, b, quotient, remainder;
    };
    const Row rows[] = {
        {7, 2, 3, 1},
        {-7, 2, -3, -1},
        {7, -2, -3, 1},
        {-7, -2, 3, -1},
        {kMin, -1, kMin, 0},
        {kMin, 1, kMin, 0},
        {kMax, -1, -kMax, 0},
        {kMin, kMin, 1, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.a) + " by " + std::to_string(row.b));
        EXPECT_EQ(Int32::truncatingDivide(row.a, row.b), row.quotient);
        EXPECT_EQ(Int32::truncatingRemainder(row.a, row.b), row.remainder);
    }
}

TEST(Int32Arithmetic, FloatingValuesTruncateAndSaturate)
{
    struct Row {
        double x;
        int32_t expected;
    };
    const Row rows[] = {
        {12.9, 12},
        {-12.9, -12},
        {-0.5, 0},
        {2147483647.0, kMax},
        {2147483647.9, kMax},
        {2147483648.0, kMax},
        {1e300, kMax},
        {std::numeric_limits<double>::infinity(), kMax},
        {-2147483648.0, kMin},
        {-2147483648.9, kMin},
        {-std::numeric_limits<double>::infinity(), kMin},
        {std::nan(""), kMin},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.x);
        EXPECT_EQ(Int32::saturatingFromFloating(row.x), row.expected);
    }
    EXPECT_EQ(Int32::saturatingFromFloating(2147483648.0F), kMax);
}

} // namespace
