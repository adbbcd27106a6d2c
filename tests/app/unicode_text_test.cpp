#include "app/unicode_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(UnicodeText, DecodesAndEncodesUtf8)
{
    const std::u32string text = U"1\u00A0\u2212\uFF11\U0001D7CE";
    EXPECT_EQ(UnicodeText::decoded(UnicodeText::encoded(text)), text);
    EXPECT_EQ(UnicodeText::encoded(U'\u221A'), "√");
}

TEST(UnicodeText, ReadsEveryMalformedByteAsOneReplacementCharacter)
{
    struct Row {
        const char* name;
        std::string bytes;
        std::u32string expected;
    };
    const Row rows[] = {
        {"a stray continuation byte", "1\x80" "2", U"1\uFFFD2"},
        {"a truncated sequence", "1\xE2\x88", U"1\uFFFD\uFFFD"},
        {"an overlong form", "\xC0\xAF", U"\uFFFD\uFFFD"},
        {"a surrogate", "\xED\xA0\x80", U"\uFFFD\uFFFD\uFFFD"},
        {"past U+10FFFF", "\xF4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"a NUL byte", std::string("1\0" "2", 3), std::u32string(U"1\0" "2", 3)},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(UnicodeText::decoded(row.bytes), row.expected) << row.name;
    }
}

TEST(UnicodeText, KnowsDecimalDigitsOfEveryScript)
{
    EXPECT_EQ(UnicodeText::decimalDigitValue(U'7'), 7);
    EXPECT_EQ(UnicodeText::decimalDigitValue(U'\u0669'), 9);
    EXPECT_EQ(UnicodeText::decimalDigitValue(U'\uFF10'), 0);
    EXPECT_EQ(UnicodeText::decimalDigitValue(U'\U0001D7FF'), 9);
    // Numerals that are not decimal digits.
    EXPECT_EQ(UnicodeText::decimalDigitValue(U'\u00B2'), std::nullopt);
    EXPECT_EQ(UnicodeText::decimalDigitValue(U'\u2164'), std::nullopt);
    EXPECT_EQ(UnicodeText::decimalDigitValue(U'a'), std::nullopt);
    EXPECT_TRUE(UnicodeText::isWhiteSpace(U'\u202F'));
    EXPECT_FALSE(UnicodeText::isWhiteSpace(U'\u200B'));
}

} // namespace
