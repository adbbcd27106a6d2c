#include "fraction/qvr_fraction.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <ostream>
#include <utility>

void PrintTo(const QVRFraction& fraction, std::ostream* out)
{
    *out << fraction.compactDescription();
}

namespace {

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

using Fields = std::pair<int32_t, int32_t>;

Fields fieldsOf(const QVRFraction& fraction)
{
    return {fraction.numerator(), fraction.denominator()};
}

std::optional<Fields> fieldsOf(const std::optional<QVRFraction>& fraction)
{
    if (!fraction) {
        return std::nullopt;
    }
    return fieldsOf(*fraction);
}

// A fraction holding exactly these fields, not normalised.
QVRFraction holding(int32_t numerator, int32_t denominator)
{
    QVRFraction fraction;
    fraction.setNumerator(numerator);
    fraction.setDenominator(denominator);
    return fraction;
}

TEST(QVRFraction, ConstructionReducesAndMovesTheSignToTheNumerator)
{
    struct Row {
        int32_t numerator, denominator;
        Fields expected;
    };
    const Row rows[] = {
        {6, 4, {3, 2}},
        {2, -4, {-1, 2}},
        {-1, 3, {-1, 3}},
        {-6, -4, {3, 2}},
        {0, 5, {0, 1}},
        {0, -5, {0, 1}},
        {3, 0, {3, 1}},
        {kMax, kMax, {1, 1}},
        {kMin, kMin, {1, 1}},
        {kMin, 2, {-1073741824, 1}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.numerator) + "/" + std::to_string(row.denominator));
        const QVRFraction fraction = QVRFraction::fractionWithNumerator(row.numerator, row.denominator);
        EXPECT_EQ(fieldsOf(fraction), row.expected);
        EXPECT_TRUE(fraction.isNormalised());
    }
    EXPECT_EQ(fieldsOf(QVRFraction()), Fields(1, 1));
    EXPECT_EQ(fieldsOf(QVRFraction::fractionWithInt(5)), Fields(5, 1));
    EXPECT_EQ(fieldsOf(QVRFraction::fractionWithInt(-1)), Fields(-1, 1));
}

TEST(QVRFraction, ConstructionWrapsWhereItMustNegateTheMostNegativeValue)
{
    // The value or the sign comes out wrong; the denominator is still not 0.
    EXPECT_EQ(fieldsOf(QVRFraction(kMin, -1)), Fields(kMin, 1));
    EXPECT_EQ(fieldsOf(QVRFraction(2, kMin)), Fields(1, 1073741824));
    const QVRFraction signInTheDenominator(1, kMin);
    EXPECT_EQ(fieldsOf(signInTheDenominator), Fields(-1, kMin));
    EXPECT_FALSE(signInTheDenominator.isNormalised());
}

TEST(QVRFraction, NormalFormNeedsLowestTermsAndAPositiveDenominator)
{
    EXPECT_TRUE(holding(3, 4).isNormalised());
    EXPECT_TRUE(holding(0, 1).isNormalised());
    EXPECT_TRUE(holding(kMin, 1).isNormalised());
    EXPECT_FALSE(holding(2, 4).isNormalised());
    EXPECT_FALSE(holding(2, 4).isInLowestTerms());
    EXPECT_FALSE(holding(0, 2).isInLowestTerms());
    EXPECT_FALSE(holding(kMin, kMin).isInLowestTerms());
    EXPECT_TRUE(holding(1, -2).isInLowestTerms());
    EXPECT_FALSE(holding(1, -2).isNormalised());
}

TEST(QVRFraction, SetDenominatorIgnoresZero)
{
    QVRFraction fraction = holding(3, 4);
    fraction.setDenominator(0);
    EXPECT_EQ(fieldsOf(fraction), Fields(3, 4));
}

TEST(QVRFraction, SimplifyCanMoveTheSignDownAndCorrectNegativesMovesItBack)
{
    QVRFraction fraction = holding(-5, 10);
    fraction.simplify();
    EXPECT_EQ(fieldsOf(fraction), Fields(1, -2));
    EXPECT_TRUE(fraction.isInLowestTerms());
    fraction.correctNegatives();
    EXPECT_EQ(fieldsOf(fraction), Fields(-1, 2));
    EXPECT_TRUE(fraction.isNormalised());

    QVRFraction mostNegative = holding(kMin, -1);
    mostNegative.simplify();
    EXPECT_EQ(fieldsOf(mostNegative), Fields(kMin, 1));
}

TEST(QVRFraction, DescriptionsShowTheFieldsAsHeld)
{
    EXPECT_EQ(holding(3, 4).compactDescription(), "(3/4)");
    EXPECT_EQ(holding(1, -2).compactDescription(), "(1/-2)");
    EXPECT_EQ(holding(3, 4).description(), "QVRFraction {\n\tNumerator: 3\n\tDenominator: 4\n}");
}

TEST(QVRFraction, ConvertsToFloatAndTruncatedInt)
{
    EXPECT_EQ(holding(7, 2).floatValue(), 3.5F);
    EXPECT_EQ(holding(7, 2).intValue(), 3);
    EXPECT_EQ(holding(-7, 2).intValue(), -3);
    EXPECT_EQ(holding(1, -2).floatValue(), -0.5F);
    // The single-precision step loses the last unit.
    EXPECT_EQ(holding(16777217, 1).intValue(), 16777216);
    // 2147483647 rounds up to 2^31 in single precision, which saturates.
    EXPECT_EQ(holding(kMax, 1).intValue(), kMax);
}

TEST(QVRFraction, IsEqualComparesValuesNotFields)
{
    EXPECT_TRUE(holding(1, 2).isEqual(holding(2, 4)));
    EXPECT_TRUE(holding(-1, 2).isEqual(holding(1, -2)));
    EXPECT_FALSE(holding(1, 2).isEqual(holding(1, 3)));
    // Different fractions that round to the same float are equal.
    EXPECT_TRUE(holding(16777216, 1).isEqual(holding(16777217, 1)));
}

TEST(QVRFraction, ArithmeticGivesLowestTermsWithAPositiveDenominator)
{
    using Operation = std::optional<QVRFraction> (QVRFraction::*)(const QVRFraction&) const;
    const Operation add = &QVRFraction::fractionByAddingFraction;
    const Operation subtract = &QVRFraction::fractionBySubtractingFraction;
    const Operation multiply = &QVRFraction::fractionByMultiplyingFraction;
    const Operation divide = &QVRFraction::fractionByDividingFraction;
    struct Row {
        const char* name;
        QVRFraction left;
        Operation operation;
        QVRFraction right;
        std::optional<Fields> expected;
    };
    const Row rows[] = {
        {"1/2 + 1/3", holding(1, 2), add, holding(1, 3), Fields(5, 6)},
        {"1/2 - 1/3", holding(1, 2), subtract, holding(1, 3), Fields(1, 6)},
        {"1/3 - 1/2", holding(1, 3), subtract, holding(1, 2), Fields(-1, 6)},
        {"2/3 * 3/4", holding(2, 3), multiply, holding(3, 4), Fields(1, 2)},
        {"1/2 / 1/4", holding(1, 2), divide, holding(1, 4), Fields(2, 1)},
        {"1/2 / -1/4", holding(1, 2), divide, holding(-1, 4), Fields(-2, 1)},
        {"1/-2 + 1/-2 as held", holding(1, -2), add, holding(1, -2), Fields(-1, 1)},
        // Exact although the unreduced terms overflow 32 bits.
        {"1/50000 + 1/50000", holding(1, 50000), add, holding(1, 50000), Fields(1, 25000)},
        {"max/1 * 1/max", holding(kMax, 1), multiply, holding(1, kMax), Fields(1, 1)},
        {"min/1 + 1/1", holding(kMin, 1), add, holding(1, 1), Fields(kMin + 1, 1)},
        {"min/min + min/min as held", holding(kMin, kMin), add, holding(kMin, kMin), Fields(2, 1)},
        // Lowest terms that do not fit in 32 bits give no answer.
        {"1/65536 * 1/32768", holding(1, 65536), multiply, holding(1, 32768), std::nullopt},
        {"max/1 - min/1", holding(kMax, 1), subtract, holding(kMin, 1), std::nullopt},
        {"min/1 / -1/1", holding(kMin, 1), divide, holding(-1, 1), std::nullopt},
        // Division by zero has no answer either.
        {"1/2 / 0/1", holding(1, 2), divide, holding(0, 1), std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::optional<QVRFraction> result = (row.left.*row.operation)(row.right);
        EXPECT_EQ(fieldsOf(result), row.expected);
        EXPECT_TRUE(!result || result->isNormalised());
    }
}

TEST(QVRFraction, AbsoluteValueIsReducedAndPositive)
{
    EXPECT_EQ(fieldsOf(holding(-3, 4).fractionWithAbsoluteValue()), Fields(3, 4));
    EXPECT_EQ(fieldsOf(holding(1, -2).fractionWithAbsoluteValue()), Fields(1, 2));
    EXPECT_EQ(fieldsOf(holding(2, -4).fractionWithAbsoluteValue()), Fields(1, 2));
    EXPECT_EQ(fieldsOf(holding(kMin, kMin).fractionWithAbsoluteValue()), Fields(1, 1));
    EXPECT_EQ(fieldsOf(holding(kMin, 1).fractionWithAbsoluteValue()), std::nullopt);
}

} // namespace
