#include "list_utilities/array_duplicate.h"
#include "list_utilities/array_reverse.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using Ints = std::vector<int>;

TEST(ArrayDuplicate, KeepsEachDistinctElementOnceInOrderOfFirstAppearance)
{
    struct Row {
        Ints list;
        Ints expected;
    };
    const Row rows[] = {
        {{3, 1, 3, 2, 1}, {3, 1, 2}},
        {{}, {}},
        {{5}, {5}},
        {{4, 4, 4}, {4}},
        {{1, 2, 3}, {1, 2, 3}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ArrayDuplicate::arrayByRemovingDuplicates(row.list), row.expected);
    }
}

// Equal by value, told apart by a tag that equality ignores.
struct Tagged {
    int value;
    std::string tag;
    bool operator==(const Tagged& other) const { return value == other.value; }
};

TEST(ArrayDuplicate, KeepsTheFirstOfElementsThatCompareEqual)
{
    const std::vector<Tagged> list = {{1, "first one"}, {2, "first two"}, {1, "second one"}, {2, "second two"}};
    const std::vector<Tagged> unique = ArrayDuplicate::arrayByRemovingDuplicates(list);
    ASSERT_EQ(unique.size(), 2U);
    EXPECT_EQ(unique[0].tag, "first one");
    EXPECT_EQ(unique[1].tag, "first two");
}

TEST(ArrayDuplicate, EndsForElementsNotEqualToThemselves)
{
    const std::vector<double> list = {NAN, 1.0, NAN, 1.0};
    const std::vector<double> unique = ArrayDuplicate::arrayByRemovingDuplicates(list);
    ASSERT_EQ(unique.size(), 3U);
    EXPECT_TRUE(std::isnan(unique[0]));
    EXPECT_EQ(unique[1], 1.0);
    EXPECT_TRUE(std::isnan(unique[2]));
}

TEST(ArrayReverse, ReturnsTheElementsInReverseOrder)
{
    EXPECT_EQ(ArrayReverse::arrayByReversing(Ints{1, 2, 3}), (Ints{3, 2, 1}));
    EXPECT_EQ(ArrayReverse::arrayByReversing(Ints{}), Ints{});
    EXPECT_EQ(ArrayReverse::arrayByReversing(std::vector<std::string>{"a"}), std::vector<std::string>{"a"});
}

} // namespace
