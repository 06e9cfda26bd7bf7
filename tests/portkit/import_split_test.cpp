#include "portkit/core/import_split.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using portkit::SplitLine;
using portkit::SplitOptions;
using Fields = std::vector<std::string>;

namespace {

SplitOptions Comma(bool consecutive = false)
{
    return SplitOptions{',', consecutive, false, '"'};
}

SplitOptions Quoted(char delimiter, char qualifier)
{
    return SplitOptions{delimiter, false, true, qualifier};
}

TEST(SplitNextField, EmptyFieldsKeptUnlessConsecutive)
{
    EXPECT_EQ(SplitLine("a,,b", Comma()), (Fields{"a", "", "b"}));
    EXPECT_EQ(SplitLine("a,,b", Comma(true)), (Fields{"a", "b"}));
    EXPECT_EQ(SplitLine(",a", Comma()), (Fields{"", "a"}));
    EXPECT_EQ(SplitLine(",a", Comma(true)), (Fields{"a"}));
}

TEST(SplitNextField, TrailingDelimiterGivesNoEmptyLastField)
{
    EXPECT_EQ(SplitLine("a,b,", Comma()), (Fields{"a", "b"}));
    EXPECT_EQ(SplitLine("a,b,,", Comma()), (Fields{"a", "b", ""}));
    EXPECT_EQ(SplitLine("", Comma()), Fields{});
}

TEST(SplitNextField, QualifiedFieldKeepsDelimiters)
{
    EXPECT_EQ(SplitLine("'Smith, J',145.5", Quoted(',', '\'')), (Fields{"Smith, J", "145.5"}));
    EXPECT_EQ(SplitLine("\"Smith, J\",145.5", Quoted(',', '"')), (Fields{"Smith, J", "145.5"}));
    // Without qualifier handling the quote is text and the comma splits.
    EXPECT_EQ(SplitLine("'Smith, J',145.5", Comma()), (Fields{"'Smith", " J'", "145.5"}));
}

TEST(SplitNextField, ConsecutiveBlanksCountAsOne)
{
    const SplitOptions space{' ', true, false, '"'};
    EXPECT_EQ(SplitLine("  a   b  ", space), (Fields{"a", "b"}));
    const SplitOptions spaceEach{' ', false, false, '"'};
    EXPECT_EQ(SplitLine("a  b", spaceEach), (Fields{"a", "", "b"}));
}

TEST(SplitNextField, DoubledQualifierInsideQuotesIsOneQualifier)
{
    EXPECT_EQ(SplitLine("'a''b'", Quoted(',', '\'')), (Fields{"a'b"}));
    EXPECT_EQ(SplitLine("\"say \"\"hi\"\"\",2", Quoted(',', '"')), (Fields{"say \"hi\"", "2"}));
    EXPECT_EQ(SplitLine("\"\"\"\",x", Quoted(',', '"')), (Fields{"\"", "x"}));
}

TEST(SplitNextField, QualifierRestartsFieldAndClosesAsBlank)
{
    // Text before an opening qualifier is dropped.
    EXPECT_EQ(SplitLine("ab\"cd\",e", Quoted(',', '"')), (Fields{"cd", "e"}));
    // The closing qualifier reads as a blank; with the blank as delimiter it ends the field.
    EXPECT_EQ(SplitLine("\"a b\"c d", Quoted(' ', '"')), (Fields{"a b", "c", "d"}));
    // Otherwise the blank stays inside the field.
    EXPECT_EQ(SplitLine("\"a\"b,c", Quoted(',', '"')), (Fields{"a b", "c"}));
}

TEST(SplitNextField, UnclosedQualifierTakesRestOfLine)
{
    EXPECT_EQ(SplitLine("x,\"a,b,c", Quoted(',', '"')), (Fields{"x", "a,b,c"}));
    EXPECT_EQ(SplitLine("\"", Quoted(',', '"')), (Fields{""}));
}

TEST(SplitNextField, TrailingSpacesOnlyAreTrimmed)
{
    EXPECT_EQ(SplitLine("  a  ,b\t ,c \t", Comma()), (Fields{"  a", "b\t", "c \t"}));
    EXPECT_EQ(SplitLine("   ,x", Comma()), (Fields{"", "x"}));
}

TEST(SplitNextField, NoDelimiterGivesWholeLine)
{
    const SplitOptions none{'\0', false, false, '"'};
    EXPECT_EQ(SplitLine("a,b\tc d", none), (Fields{"a,b\tc d"}));
    EXPECT_EQ(SplitLine(std::string("a\0b", 3), none), (Fields{std::string("a\0b", 3)}));
}

TEST(SplitNextField, OnlyDelimitersWithConsecutiveGiveNoField)
{
    EXPECT_EQ(SplitLine(",,,", Comma(true)), Fields{});
    EXPECT_EQ(SplitLine(",,,", Comma()), (Fields{"", "", ""}));
}

TEST(SplitNextField, LongLinesAreSplitWhole)
{
    const std::string longName(600, 'x');
    EXPECT_EQ(SplitLine("1," + longName + ",tail", Comma()), (Fields{"1", longName, "tail"}));
}

TEST(SplitNextField, SplitterRemembersPosition)
{
    const std::string line = "1\t2";
    portkit::FieldSplitter splitter(line, SplitOptions{});
    std::string field = "stale";
    ASSERT_TRUE(splitter.SplitNextField(field));
    EXPECT_EQ(field, "1");
    ASSERT_TRUE(splitter.SplitNextField(field));
    EXPECT_EQ(field, "2");
    EXPECT_FALSE(splitter.SplitNextField(field));
    EXPECT_FALSE(splitter.SplitNextField(field));
}

} // namespace
