#include "app/number_formatter.h"

#include <gtest/gtest.h>

namespace {

TEST(NumberFormatter, AcceptsTextThatIsOrCanBecomeADecimalNumber)
{
    NumberFormatter decimals;
    decimals.setAllowsFloats(true);
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

} // namespace
