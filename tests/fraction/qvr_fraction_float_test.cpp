#include "fraction/qvr_fraction.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <utility>

namespace {

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

using Fields = std::pair<int32_t, int32_t>;

Fields fieldsFromFloat(float x)
{
    const QVRFraction fraction = QVRFraction::fractionWithFloat(x);
    return {fraction.numerator(), fraction.denominator()};
}

TEST(QVRFractionFromFloat, ScalesByTenUntilWholeAndReduces)
{
    struct Row {
        float x;
        Fields expected;
    };
    const Row rows[] = {
        {0.5F, {1, 2}},
        {0.75F, {3, 4}},
        {2.5F, {5, 2}},
        {0.2F, {1, 5}},
        {0.3F, {3, 10}},
        {3.14F, {157, 50}},
        {0.333F, {333, 1000}},
        {0.125F, {1, 8}},
        {12.34F, {617, 50}},
        {0.1F, {1, 10}},
        // The float nearest 0.01 lies just below it, and nine scalings show it.
        {0.01F, {9999999, 1000000000}},
        // Scaling stops at 10^9, the largest power of ten a denominator holds.
        {0.001F, {1, 1000}},
        {1e-12F, {0, 1}},
        {0.0F, {0, 1}},
        {-0.0F, {0, 1}},
        {7.0F, {7, 1}},
        {-2.0F, {-2, 1}},
        {16777216.0F, {16777216, 1}},
        {2147483520.0F, {2147483520, 1}},
        {-2147483648.0F, {kMin, 1}},
        {2147483648.0F, {kMax, 1}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.x);
        EXPECT_EQ(fieldsFromFloat(row.x), row.expected);
    }
}

TEST(QVRFractionFromFloat, NegativeDecimalsCarryTheSignWhereTheReductionPutsIt)
{
    struct Row {
        float x;
        Fields expected;
    };
    // A numerator that divides the denominator hands its sign down to it.
    const Row rows[] = {
        {-0.5F, {1, -2}},  {-0.25F, {1, -4}},  {-0.1F, {1, -10}}, {-1.0F, {1, -1}},
        {-0.75F, {-3, 4}}, {-1.25F, {-5, 4}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.x);
        EXPECT_EQ(fieldsFromFloat(row.x), row.expected);
    }
    EXPECT_EQ(QVRFraction::fractionWithFloat(-0.5F).floatValue(), -0.5F);
}

TEST(QVRFractionFromFloat, ValuesBeyondTheIntegerRangeAreNotScaled)
{
    constexpr float infinity = std::numeric_limits<float>::infinity();
    struct Row {
        float x;
        Fields expected;
    };
    const Row rows[] = {
        {std::numeric_limits<float>::quiet_NaN(), {kMin, 1}},
        {infinity, {kMax, 1}},
        {-infinity, {kMin, 1}},
        {1e10F, {kMax, 1}},
        {-1e10F, {kMin, 1}},
        {std::numeric_limits<float>::max(), {kMax, 1}},
        {2147483904.0F, {kMax, 1}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.x);
        EXPECT_EQ(fieldsFromFloat(row.x), row.expected);
    }
}

void expectCloseFraction(float x)
{
    const QVRFraction fraction = QVRFraction::fractionWithFloat(x);
    ASSERT_NE(fraction.denominator(), 0) << x;
    ASSERT_TRUE(fraction.isInLowestTerms()) << x;
    const double value = static_cast<double>(fraction.numerator()) / fraction.denominator();
    const double tolerance = 1e-6 * std::fabs(static_cast<double>(x)) + 1e-9;
    ASSERT_LE(std::fabs(value - static_cast<double>(x)), tolerance) << x;
}

TEST(QVRFractionFromFloat, StaysCloseToEveryFiniteFloatInTheIntegerRange)
{
    std::mt19937 generator(20261211);
    std::uniform_int_distribution<uint32_t> bits;
    int checked = 0;
    while (checked < 200000) {
        const auto x = std::bit_cast<float>(bits(generator));
        if (std::isfinite(x) && std::fabs(x) < 2147483648.0F) {
            expectCloseFraction(x);
            ++checked;
        }
    }
    // Typed decimals: a few digits either side of the point.
    std::uniform_int_distribution<int> wholePart(-99999, 99999);
    std::uniform_int_distribution<int> fractionDigits(0, 9999);
    for (int i = 0; i < 100000; ++i) {
        const std::string text = std::to_string(wholePart(generator)) + "." + std::to_string(fractionDigits(generator));
        expectCloseFraction(std::strtof(text.c_str(), nullptr));
    }
}

} // namespace
