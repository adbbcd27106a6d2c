#include "integer_analysis/number_factor.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using Divisors = std::vector<int32_t>;

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

TEST(NumberFactor, FactorsListsEachDivisorOfTheMagnitudeOnceAscending)
{
    struct Row {
        int32_t n;
        Divisors expected;
    };
    const Row rows[] = {
        {0, {0}},
        {1, {1}},
        {-1, {1}},
        {7, {1, 7}},
        {12, {1, 2, 3, 4, 6, 12}},
        {-12, {1, 2, 3, 4, 6, 12}},
        {16, {1, 2, 4, 8, 16}},
        {999999999, {1, 3, 9, 27, 37, 81, 111, 333, 999, 2997, 333667, 1001001, 3003003, 9009009, 12345679, 27027027,
                     37037037, 111111111, 333333333, 999999999}},
        {kMax, {1, kMax}},
        {-kMax, {1, kMax}},
        // No 32-bit magnitude, so no divisor can be listed.
        {kMin, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.n);
        EXPECT_EQ(NumberFactor::factors(row.n), row.expected);
    }
}

TEST(NumberFactor, IsPrimeWhenTheMagnitudeHasTwoDivisors)
{
    const int32_t primes[] = {2, 3, 7, 97, -7, kMax, -kMax, 2147483629};
    for (const int32_t n : primes) {
        EXPECT_TRUE(NumberFactor::isPrime(n)) << n;
    }
    // -1 counts as prime: its magnitude has a single divisor.
    EXPECT_TRUE(NumberFactor::isPrime(-1));

    const int32_t nonPrimes[] = {0, 1, 4, 9, -4, 999999999, 2147395600, 2147483646};
    for (const int32_t n : nonPrimes) {
        EXPECT_FALSE(NumberFactor::isPrime(n)) << n;
    }
}

TEST(NumberFactor, MostNegativeValueIsNotPrimeBecauseItIsEven)
{
    EXPECT_FALSE(NumberFactor::isPrime(kMin));
}

} // namespace
