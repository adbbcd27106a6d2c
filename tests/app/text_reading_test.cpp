#include "app/text_reading.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr float kInfinity = std::numeric_limits<float>::infinity();

TEST(TextReading, ReadsTheWholePartTruncatedAndSaturated)
{
    struct Row {
        const char* text;
        int32_t expected;
    };
    const Row rows[] = {
        {"", 0},
        {"-", 0},
        {".", 0},
        {"-.", 0},
        {"0", 0},
        {"72", 72},
        {"-72", -72},
        {"12.9", 12},
        {"-12.9", -12},
        {"-0.5", 0},
        {".75", 0},
        {"007", 7},
        {"2147483647", 2147483647},
        {"2147483648", 2147483647},
        {"99999999999", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"-99999999999", -2147483647 - 1},
        {"999999999999999999999999999999999999999999", 2147483647},
        {"12abc", 12},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(TextReading::intValue(row.text), row.expected) << '"' << row.text << '"';
    }
}

TEST(TextReading, ReadsTheValueRoundedToSinglePrecision)
{
    struct Row {
        std::string text;
        float expected;
    };
    const Row rows[] = {
        {"", 0.0F},
        {"-", 0.0F},
        {"-.", 0.0F},
        {"0.75", 0.75F},
        {".5", 0.5F},
        {"12.", 12.0F},
        {"-2.5", -2.5F},
        {"0.01", 0.01F},
        {"999999999", 1e9F},
        {"123456789.5", 123456792.0F},
        // Exponents and names are not part of the number: only "1" and "" are read.
        {"1e5", 1.0F},
        {"inf", 0.0F},
        {"nan", 0.0F},
        {"1" + std::string(50, '0'), kInfinity},
        {"-1" + std::string(50, '0'), -kInfinity},
        {"0." + std::string(60, '0') + "1", 0.0F},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(TextReading::floatValue(row.text), row.expected) << '"' << row.text << '"';
    }
}

TEST(TextReading, ReadsTheLocalesDecimalSeparatorAndNoOther)
{
    const NumberSymbols german{.decimalSeparator = U',', .groupSeparator = U'.'};
    const NumberSymbols arabic{.decimalSeparator = U'\u066B', .groupSeparator = U'\u066C'};
    struct Row {
        std::string text;
        NumberSymbols symbols;
        float expected;
    };
    const Row rows[] = {
        {"0,75", german, 0.75F},
        {"-2,5", german, -2.5F},
        {",5", german, 0.5F},
        {"12,", german, 12.0F},
        // The point is no separator where the comma is.
        {"1.5", german, 1.0F},
        {"0,75", {}, 0.0F},
        {"3\u066B25", arabic, 3.25F},
        {"1" + std::string(50, '0') + ",5", german, kInfinity},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(TextReading::floatValue(row.text, row.symbols), row.expected) << '"' << row.text << '"';
    }
    // The integer reading stops at the first character that is not a digit.
    EXPECT_EQ(TextReading::intValue("12,9"), 12);
}

TEST(TextReading, HasDigitOnlyWhenATextCanBeANumber)
{
    EXPECT_FALSE(TextReading::hasDigit(""));
    EXPECT_FALSE(TextReading::hasDigit("-."));
    EXPECT_TRUE(TextReading::hasDigit("-.5"));
}

} // namespace
