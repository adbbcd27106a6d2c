#include "fraction/greatest_common_factor.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>

namespace {

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

TEST(GreatestCommonFactor, ReturnsADividingArgumentWithItsSignElseThePositiveGcd)
{
    struct Row {
        int32_t a, b, expected;
    };
    const Row rows[] = {
        {-5, 10, -5},
        {12, -18, 6},
        {-3, -4, 1},
        {0, 7, 7},
        {7, 0, 7},
        {12, -4, -4},
        {0, -7, -7},
        {-1, 12345, -1},
        {0, 0, 0},
        {2, kMax, 1},
        {kMax - 1, kMax, 1},
        {kMin, 1, 1},
        {kMin, 0, kMin},
        {kMin, -1, -1},
        {kMin, kMin, kMin},
        // Reach the magnitude step with the most negative value: 2^31 and 3·2^29.
        {kMin, 1610612736, 536870912},
        {1610612736, kMin, 536870912},
        {kMin, 6, 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.a) + ", " + std::to_string(row.b));
        EXPECT_EQ(greatestCommonFactor(row.a, row.b), row.expected);
    }
}

// The original steps, with the subtraction loop that the remainder loop replaces.
int32_t bySubtraction(int32_t a, int32_t b)
{
    if (b == 0) {
        return a;
    }
    if (a != 0 && b % a == 0) {
        return a;
    }
    if (a % b == 0) {
        return b;
    }
    a = std::abs(a);
    b = std::abs(b);
    while (a != b) {
        if (a > b) {
            a -= b;
        } else {
            b -= a;
        }
    }
    return a;
}

TEST(GreatestCommonFactor, AgreesWithRepeatedSubtractionForSmallArguments)
{
    for (int32_t a = -60; a <= 60; ++a) {
        for (int32_t b = -60; b <= 60; ++b) {
            ASSERT_EQ(greatestCommonFactor(a, b), bySubtraction(a, b)) << a << ", " << b;
        }
    }
}

} // namespace
