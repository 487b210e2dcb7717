#include "protocol/fields.h"
#include "protocol/frames.h"

#include <gtest/gtest.h>

namespace {

TEST(HexField, PadsToTwoDigitsAndNeverCuts)
{
    const struct
    {
        const char *in;
        const char *out;
    } rows[] = {
            {"0", "00"},    {"5", "05"},      {"9", "09"},    {"10", "0a"},   {"15", "0f"},
            {"16", "10"},   {"64", "40"},     {"127", "7f"},  {"255", "ff"},  {"256", "100"},
            {"300", "12c"}, {"4096", "1000"}, {" 20 ", "14"}, {"20.5", "14"}, {"21.5", "16"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(protocol::hexFieldOf(row.in), row.out) << '"' << row.in << '"';
}

TEST(HexField, HasNoValueForWhatIsNotAWholeNumberFromZeroUp)
{
    for (const char *in : {"", "  ", "a", "-1", "12abc", "99999999999"})
        EXPECT_FALSE(protocol::hexFieldOf(in)) << '"' << in << '"';
}

TEST(HexField, UpperCaseForTheStringCommands)
{
    EXPECT_EQ(protocol::upperHexField(1), "01");
    EXPECT_EQ(protocol::upperHexField(10), "0A");
    EXPECT_EQ(protocol::upperHexField(300), "12C");
}

TEST(CommandFrame, KeyLetterKeyThenFieldsThenTailGroups)
{
    EXPECT_EQ(protocol::commandFrame('c', {"40", "20", "14"}), "]c]402014");
    EXPECT_EQ(protocol::commandFrame('r', {"00", "7f", "00", "3f"}, {"1", "0000"}),
              "]r]007f003f]1]0000");
    EXPECT_EQ(protocol::commandFrame('f', {}, {"1"}), "]f]]1");
    EXPECT_EQ(protocol::clearDisplayFrame(), "]k");
}

} // namespace
