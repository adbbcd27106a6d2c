// Checks divisors, primality and simplified square roots against plain
// trial division in 64-bit arithmetic, written without the floating-point
// root and the 32-bit tricks of the real implementation.

#include "integer_analysis/number_factor.h"
#include "integer_analysis/number_radical.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <optional>
#include <random>
#include <vector>

namespace {

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

std::vector<int32_t> referenceFactors(int32_t n)
{
    if (n == 0) {
        return {0};
    }
    if (n == kMin) {
        return {};
    }
    const int64_t magnitude = std::llabs(n);
    std::vector<int32_t> divisors;
    for (int64_t i = 1; i * i <= magnitude; ++i) {
        if (magnitude % i == 0) {
            divisors.push_back(static_cast<int32_t>(i));
            if (i * i != magnitude) {
                divisors.push_back(static_cast<int32_t>(magnitude / i));
            }
        }
    }
    std::sort(divisors.begin(), divisors.end());
    return divisors;
}

bool referenceIsPrime(int32_t n)
{
    if (n == -1) {
        return true;
    }
    const int64_t magnitude = std::llabs(static_cast<int64_t>(n));
    if (magnitude < 2) {
        return false;
    }
    for (int64_t i = 2; i * i <= magnitude; ++i) {
        if (magnitude % i == 0) {
            return false;
        }
    }
    return true;
}

std::optional<NumberRadical::SimplifiedSquareRoot> referenceSquareRoot(int32_t n)
{
    if (n == 0) {
        return NumberRadical::SimplifiedSquareRoot{0, 1};
    }
    if (n == kMin) {
        return std::nullopt;
    }
    const int64_t magnitude = std::llabs(n);
    int64_t largestRoot = 1;
    for (int64_t k = 1; k * k <= magnitude; ++k) {
        if (magnitude % (k * k) == 0) {
            largestRoot = k;
        }
    }
    return NumberRadical::SimplifiedSquareRoot{static_cast<int32_t>(largestRoot),
                                               static_cast<int32_t>(n / (largestRoot * largestRoot))};
}

void expectAgreesWithReference(int32_t n)
{
    SCOPED_TRACE(n);
    ASSERT_EQ(NumberFactor::factors(n), referenceFactors(n));
    ASSERT_EQ(NumberFactor::isPrime(n), referenceIsPrime(n));
    const auto root = NumberRadical::algebraicSquareRoot(n);
    const auto expected = referenceSquareRoot(n);
    ASSERT_EQ(root.has_value(), expected.has_value());
    if (root) {
        ASSERT_EQ(root->Coefficient, expected->Coefficient);
        ASSERT_EQ(root->Radical, expected->Radical);
    }
}

TEST(IntegerAnalysisDifferential, AgreesWithTrialDivisionForEverySmallNumber)
{
    for (int32_t n = -20000; n <= 20000; ++n) {
        expectAgreesWithReference(n);
    }
}

TEST(IntegerAnalysisDifferential, AgreesWithTrialDivisionAtTheEndsOfTheRange)
{
    const int32_t ends[] = {2147483647, -2147483647, 2147395600, -2147395600, 2147395601, 2147395599,
                            999999999,  1000000000,  kMin,       kMin + 1,    2147483646, 2147483629};
    for (const int32_t n : ends) {
        expectAgreesWithReference(n);
    }
}

TEST(IntegerAnalysisDifferential, AgreesWithTrialDivisionForRandomNumbers)
{
    std::mt19937 generator(20261211);
    std::uniform_int_distribution<int32_t> anyInt32(kMin, std::numeric_limits<int32_t>::max());
    // Squares times small factors are where a wrong root or radical would show.
    std::uniform_int_distribution<int32_t> root(1, 46340);
    std::uniform_int_distribution<int32_t> smallFactor(1, 12);
    for (int i = 0; i < 2000; ++i) {
        expectAgreesWithReference(anyInt32(generator));
        const int64_t r = root(generator);
        const int64_t scaled = r * r * smallFactor(generator);
        if (scaled <= std::numeric_limits<int32_t>::max()) {
            expectAgreesWithReference(static_cast<int32_t>(scaled));
            expectAgreesWithReference(static_cast<int32_t>(-scaled));
        }
    }
}

} // namespace
