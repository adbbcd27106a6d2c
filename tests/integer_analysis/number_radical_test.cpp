#include "integer_analysis/number_radical.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>

namespace NumberRadical {
void PrintTo(const SimplifiedSquareRoot& root, std::ostream* out)
{
    *out << "{Coefficient " << root.Coefficient << ", Radical " << root.Radical << "}";
}
} // namespace NumberRadical

namespace {

using NumberRadical::SimplifiedSquareRoot;

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

TEST(NumberRadical, IsPerfectSquareOnlyForSquaresOfIntegers)
{
    const int32_t squares[] = {0, 1, 16, 100, 999950884, 2147395600};
    for (const int32_t n : squares) {
        EXPECT_TRUE(NumberRadical::isPerfectSquare(n)) << n;
    }
    const int32_t nonSquares[] = {2, 3, 12, 999999999, 2147395599, 2147395601, kMax, -1, -4, -16, kMin};
    for (const int32_t n : nonSquares) {
        EXPECT_FALSE(NumberRadical::isPerfectSquare(n)) << n;
    }
}

TEST(NumberRadical, PowerZeroIsPassedByOneAlone)
{
    for (int32_t n = -50; n <= 50; ++n) {
        EXPECT_EQ(NumberRadical::isIntegerPower(n, 0), n == 1) << n;
    }
    EXPECT_FALSE(NumberRadical::isIntegerPower(kMax, 0));
    EXPECT_FALSE(NumberRadical::isIntegerPower(kMin, 0));
}

TEST(NumberRadical, AlgebraicSquareRootTakesOutTheLargestSquareDivisor)
{
    struct Row {
        int32_t n;
        SimplifiedSquareRoot expected;
    };
    const Row rows[] = {
        {12, {2, 3}},
        {72, {6, 2}},
        {50, {5, 2}},
        {16, {4, 1}},
        {7, {1, 7}},
        {1, {1, 1}},
        {0, {0, 1}},
        // The divisors are those of the magnitude; the radical keeps the sign.
        {-12, {2, -3}},
        {-16, {4, -1}},
        {999999999, {9, 12345679}},
        {2147395600, {46340, 1}},
        {kMax, {1, kMax}},
        {-kMax, {1, -kMax}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.n);
        EXPECT_EQ(NumberRadical::algebraicSquareRoot(row.n), row.expected);
    }
}

TEST(NumberRadical, AlgebraicSquareRootIsAbsentForTheMostNegativeValue)
{
    EXPECT_EQ(NumberRadical::algebraicSquareRoot(kMin), std::nullopt);
}

} // namespace
