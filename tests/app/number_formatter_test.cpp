#include "app/number_formatter.h"

#include <gtest/gtest.h>

#include <variant>

namespace {

// A formatter that allows decimals, as the Controller makes it.
NumberFormatter decimalFormatter(const NumberSymbols& symbols = {})
{
    NumberFormatter formatter;
    formatter.setAllowsFloats(true);
    formatter.setSymbols(symbols);
    return formatter;
}

TEST(NumberFormatter, AcceptsTextThatIsOrCanBecomeADecimalNumber)
{
    const NumberFormatter decimals = decimalFormatter();
    NumberFormatter integers;

    struct Row {
        const char* text;
        bool acceptedWithFloats;
        bool acceptedWithoutFloats;
    };
    const Row rows[] = {
        {"", true, true},
        {"-", true, true},
        {"72", true, true},
        {"-72", true, true},
        {".", true, false},
        {"-.5", true, false},
        {"0.75", true, false},
        {"12.", true, false},
        {"1.2.3", false, false},
        {"--1", false, false},
        {"1-", false, false},
        {"12a", false, false},
        {"1e5", false, false},
        {" 1", false, false},
        {"+1", false, false},
        {"1,5", false, false},
        {"\xd9\xa3", false, false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(decimals.isAcceptable(row.text), row.acceptedWithFloats) << '"' << row.text << '"';
        EXPECT_EQ(integers.isAcceptable(row.text), row.acceptedWithoutFloats) << '"' << row.text << '"';
    }
}

TEST(NumberFormatter, AcceptsOnlyTheLocalesDecimalSeparator)
{
    const NumberFormatter german = decimalFormatter({.decimalSeparator = U',', .groupSeparator = U'.'});
    EXPECT_TRUE(german.isAcceptable("0,75"));
    EXPECT_TRUE(german.isAcceptable("-,"));
    EXPECT_FALSE(german.isAcceptable("0.75"));
    EXPECT_FALSE(german.isAcceptable("1,2,3"));

    const NumberFormatter arabic = decimalFormatter({.decimalSeparator = U'\u066B', .groupSeparator = U'\u066C'});
    EXPECT_TRUE(arabic.isAcceptable("3\u066B25"));
    EXPECT_FALSE(arabic.isAcceptable("3\u066B2\u066B5"));
    // The first byte of the separator alone is not the separator.
    EXPECT_FALSE(arabic.isAcceptable("3\xd9"));
}

// What text entering at the cursor becomes, between the text before and
// after the cursor.
TEST(NumberFormatter, ReadsInsertedTextAsANumberOrRefusesIt)
{
    const NumberFormatter formatter = decimalFormatter();
    struct Row {
        const char* name;
        const char* before;
        const char* inserted;
        const char* after;
        // The text put in, or, with refused set, the text named as refused.
        const char* expected;
        bool refused;
    };
    const Row rows[] = {
        {"a digit", "7", "2", "", "2", false},
        {"a comma types the point", "3", ",", "", ".", false},
        {"a paste read as a number", "", "1,000", "", "1000", false},
        {"a paste in the middle", "1", "000", "5", "000", false},
        {"nothing", "12", "", "", "", false},
        {"a letter", "12", "a", "", "a", true},
        {"a space", "12", " ", "", " ", true},
        {"a second point", "1.5", ".", "", "1.5.", true},
        {"a minus after the first character", "7", "-", "", "7-", true},
        {"a number that cannot go there", "1", "-5", "", "1-5", true},
        {"a paste that is not a number", "", "12abc", "", "12abc", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto outcome = formatter.insertion(row.before, row.inserted, row.after);
        if (row.refused) {
            ASSERT_TRUE(std::holds_alternative<NumberFormatter::Refusal>(outcome));
            EXPECT_EQ(std::get<NumberFormatter::Refusal>(outcome).refusedText, row.expected);
        } else {
            ASSERT_TRUE(std::holds_alternative<NumberFormatter::Insertion>(outcome));
            EXPECT_EQ(std::get<NumberFormatter::Insertion>(outcome).text, row.expected);
        }
    }
}

} // namespace
