#include "datafiles/itemformat.h"

#include <gtest/gtest.h>

using datafiles::Item;
using datafiles::readItems;
using datafiles::RecordWriter;
using Kind = Item::Kind;

namespace {
struct ReadCase {
    const char *name;
    QByteArray data;
    int count;
    std::vector<std::pair<Kind, QString>> expected;
};

std::ostream &operator<<(std::ostream &os, const ReadCase &c)
{
    return os << c.name;
}

class ItemReader : public ::testing::TestWithParam<ReadCase> {};
} // namespace

TEST_P(ItemReader, ReadsTheItemsOfARecord)
{
    const ReadCase &c = GetParam();
    const auto items = readItems(c.data, c.count);
    ASSERT_EQ(items.size(), c.expected.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].kind, c.expected[i].first) << "item " << i + 1;
        EXPECT_EQ(items[i].text, c.expected[i].second) << "item " << i + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ItemReader,
    ::testing::Values(
        ReadCase{"QuotedTextKeepsCommasAndBlanks",
                 "\"C:\\Mes, textes\\a.txt\",\"a\"\r\n",
                 2,
                 {{Kind::Text, "C:\\Mes, textes\\a.txt"}, {Kind::Text, "a"}}},
        ReadCase{"TwoCommasMakeAnEmptyItem",
                 "\"non\",,\"15\"\r\n",
                 3,
                 {{Kind::Text, "non"}, {Kind::Empty, ""}, {Kind::Text, "15"}}},
        ReadCase{"ALineEndSeparatesLikeAComma",
                 "\"a\"\r\n\"b\"\r\n\"c\"\r\n",
                 3,
                 {{Kind::Text, "a"}, {Kind::Text, "b"}, {Kind::Text, "c"}}},
        ReadCase{"AnEmptyLastItemBeforeTheLineEnd",
                 "\"a\",\r\n",
                 2,
                 {{Kind::Text, "a"}, {Kind::Empty, ""}}},
        ReadCase{"BareNumbers", "0,1\r\n", 2, {{Kind::Number, "0"}, {Kind::Number, "1"}}},
        ReadCase{"ABlankEndsANumber", " 1  1 \r\n", 2, {{Kind::Number, "1"}, {Kind::Number, "1"}}},
        ReadCase{"BlanksAndTabsBeforeAnItemAreSkipped",
                 " \t\"oui\",\t 05\r\n",
                 2,
                 {{Kind::Text, "oui"}, {Kind::Number, "05"}}},
        ReadCase{"WhatFollowsAClosingQuoteIsSkipped",
                 "\"a\"xyz,\"b\"\r\n",
                 2,
                 {{Kind::Text, "a"}, {Kind::Text, "b"}}},
        ReadCase{"AnUnquotedWordIsText",
                 "abc def ,2\r\n",
                 2,
                 {{Kind::Text, "abc def"}, {Kind::Number, "2"}}},
        ReadCase{"TextIsWindows1252",
                 "\"Hu\xE9"
                 "es\"\r\n",
                 1,
                 {{Kind::Text, "Huées"}}},
        ReadCase{"AShortFileGivesWhatItHolds",
                 "\"a\",\"b\"\r\n",
                 5,
                 {{Kind::Text, "a"}, {Kind::Text, "b"}}},
        ReadCase{"WhatFollowsTheLastItemAskedForIsNeverRead",
                 "1,1,\"junk\"\r\nmore\r\n",
                 1,
                 {{Kind::Number, "1"}}},
        ReadCase{"AnEmptyFileHoldsNoItem", "", 2, {}},
        ReadCase{"AnUnclosedQuoteRunsToTheEnd", "\"abc", 2, {{Kind::Text, "abc"}}}),
    [](const ::testing::TestParamInfo<ReadCase> &info) { return std::string(info.param.name); });

TEST(ItemValues, AreComparedWithWordsExactlyAndWithNumbersByValue)
{
    const auto items = readItems("\"Oui\",\"05\",5,,\" 5\",\"abc\"\r\n", 6);
    ASSERT_EQ(items.size(), 6u);
    EXPECT_FALSE(items[0].is("oui"));
    EXPECT_TRUE(items[1].equalsNumber(5));
    EXPECT_EQ(items[1].asText(), "05");
    EXPECT_TRUE(items[2].equalsNumber(5));
    EXPECT_TRUE(items[3].equalsNumber(0));
    EXPECT_FALSE(items[3].is(""));
    EXPECT_TRUE(items[4].equalsNumber(5));
    EXPECT_FALSE(items[5].numericValue());
}

TEST(RecordWriter, WritesItemsSeparatedByCommasAndEndedByCrLf)
{
    RecordWriter record;
    record.text("Huées").empty().number(15).text("");
    ASSERT_TRUE(record.ok());
    EXPECT_EQ(record.line(), QByteArray("\"Hu\xE9"
                                        "es\",,15,\"\"\r\n"));
}

TEST(RecordWriter, RefusesTextThatAnItemCannotHold)
{
    for (const QString &bad :
         {QString("a\"b"), QString("a\r\nb"), QString("a\nb"), QString::fromUtf8("clé ♪")}) {
        RecordWriter record;
        record.text("ok").text(bad).text("après");
        EXPECT_FALSE(record.ok()) << bad.toStdString();
        EXPECT_FALSE(record.error().isEmpty());
    }
}
