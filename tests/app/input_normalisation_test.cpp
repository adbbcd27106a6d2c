#include "app/input_normalisation.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

const NumberSymbols cLocale;
const NumberSymbols german{.decimalSeparator = U',', .groupSeparator = U'.'};
const NumberSymbols french{.decimalSeparator = U',', .groupSeparator = U'\u202F'};

struct Row {
    std::string pasted;
    // None: not a number.
    std::optional<std::string> expected;
};

void expectNormalised(const NumberSymbols& symbols, const std::initializer_list<Row>& rows)
{
    for (const Row& row : rows) {
        EXPECT_EQ(InputNormalisation::normalised(row.pasted, symbols), row.expected) << '"' << row.pasted << '"';
    }
}

TEST(InputNormalisation, ReadsNumbersAsPeopleWriteThemInTheCLocale)
{
    expectNormalised(cLocale, {
                                  {" 72\n", "72"},
                                  {"72\r\n", "72"},
                                  {"\t\u00A072\u202F", "72"},
                                  {"+5", "5"},
                                  {"\u221212", "-12"},
                                  {"\u201312", "-12"},
                                  {"\uFF11\uFF12\uFF13", "123"},
                                  {"\u0663\u0664", "34"},
                                  {"1,000", "1000"},
                                  {"1,234,567", "1234567"},
                                  {"1 000", "1000"},
                                  {"1'000", "1000"},
                                  {"1\u202F000\u00A0000", "1000000"},
                                  {"1,000.5", "1000.5"},
                                  {"-1,000.5", "-1000.5"},
                                  {"0,75", "0.75"},
                                  {"1,5", "1.5"},
                                  {"1.000", "1.000"},
                                  {"1.000,5", "1000.5"},
                                  {",5", ".5"},
                                  {"5.", "5."},
                              });
}

TEST(InputNormalisation, ReadsNumbersAsPeopleWriteThemInAGermanLocale)
{
    expectNormalised(german, {
                                 {"1.000", "1000"},
                                 {"1.000,5", "1000,5"},
                                 {"1,000.5", "1000,5"},
                                 {"0,75", "0,75"},
                                 {"0.75", "0,75"},
                                 {"1.234.567", "1234567"},
                                 {"1 000,25", "1000,25"},
                                 {"1,000", "1,000"},
                                 {"0.123", "0,123"},
                             });
    expectNormalised(french, {{"1\u202F000,5", "1000,5"}, {"1 000", "1000"}, {"3.14", "3,14"}});
}

TEST(InputNormalisation, RefusesWhatIsNotANumber)
{
    for (const NumberSymbols& symbols : {cLocale, german}) {
        expectNormalised(symbols, {
                                      {"12abc", std::nullopt},
                                      {"1.2.3", std::nullopt},
                                      {"4 8 15", std::nullopt},
                                      {"1e5", std::nullopt},
                                      {"$5", std::nullopt},
                                      {"1,2,3", std::nullopt},
                                      {"12,34,567", std::nullopt},
                                      {"1 2", std::nullopt},
                                      {"1'000'00", std::nullopt},
                                      {"0.123 456", std::nullopt},
                                      {"1.000.5", std::nullopt},
                                      {"+-5", std::nullopt},
                                      {"--5", std::nullopt},
                                      {"5-", std::nullopt},
                                      {"'", std::nullopt},
                                      {"1\n2", std::nullopt},
                                      {"\xff", std::nullopt},
                                  });
    }
}

TEST(InputNormalisation, KeepsWhatTypingWouldMakeOfTheEdges)
{
    expectNormalised(cLocale, {
                                  {"", ""},
                                  {"   ", ""},
                                  {"-", "-"},
                                  {".", "."},
                                  {",", "."},
                                  {"+", ""},
                                  {"-.", "-."},
                              });
    expectNormalised(german, {{".", ","}, {",", ","}});

    const std::string digits(32767, '7');
    EXPECT_EQ(InputNormalisation::normalised(" " + digits + " ", cLocale), digits);
}

TEST(InputNormalisation, LeavesAnAcceptableTextAsItIs)
{
    for (const char* text : {"", "-", "72", "-0.75", "1.000", ".5", "12."}) {
        EXPECT_EQ(InputNormalisation::normalised(text, cLocale), text) << text;
    }
    for (const char* text : {"72", "-0,75", "1,000", ",5"}) {
        EXPECT_EQ(InputNormalisation::normalised(text, german), text) << text;
    }
}

} // namespace
