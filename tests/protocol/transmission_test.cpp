#include "protocol/transmission.h"

#include <gtest/gtest.h>

namespace {

using protocol::TransmitRefusal;
using protocol::TransmitStep;
using Steps = std::vector<TransmitStep>;

TEST(PlanTransmission, ReadingRules)
{
    const struct
    {
        const char *why, *text, *wait, *delay;
        Steps steps;
    } rows[] = {
            {"circle at the defaults", "]c]402014", "]", "20", {{20, "]c"}, {20, "]402014"}}},
            {"leading blank pushes the last character off",
             " ]k",
             "]",
             "20",
             {{0, " "}, {20, "]"}}},
            {"trailing blanks are not sent", "]k  ", "]", "20", {{20, "]k"}}},
            {"empty wait character never pauses", "]c]40", "", "20", {{0, "]c]40"}}},
            {"blank wait character never pauses", "]c]40", " ", "20", {{0, "]c]40"}}},
            {"two wait characters never pause", "]c]40", "]]", "20", {{0, "]c]40"}}},
            {"wait character is trimmed", "]k", " ] ", "20", {{20, "]k"}}},
            {"case-sensitive wait character", "cCc", "c", "5", {{5, "cC"}, {5, "c"}}},
            {"35.5 rounds up to 36", "]k", "]", "35.5", {{36, "]k"}}},
            {"20.5 rounds down to 20", "]k", "]", "20.5", {{20, "]k"}}},
            {"a delay without a number is no pause", "]k", "]", "abc", {{0, "]k"}}},
            {"an empty delay is no pause", "]k", "]", "", {{0, "]k"}}},
            {"a negative delay is no pause", "]k", "]", "-5", {{0, "]k"}}},
            {"leading number of the delay", "]k", "]", "7ms", {{7, "]k"}}},
            {"non-ASCII goes as UTF-8, one character each",
             "\xc3\xa9]",
             "]",
             "3",
             {{0, "\xc3\xa9"}, {3, "]"}}},
            {"a non-ASCII wait character",
             "a\xc3\xa9",
             "\xc3\xa9",
             "4",
             {{0, "a"}, {4, "\xc3\xa9"}}},
    };
    for (const auto &row : rows) {
        const auto plan = protocol::planTransmission(row.text, row.wait, row.delay);
        EXPECT_EQ(plan.refusal, TransmitRefusal::None) << row.why;
        EXPECT_EQ(plan.steps, row.steps) << row.why;
    }
}

TEST(PlanTransmission, RefusesABlankLineAndADelayBeyond32Bits)
{
    EXPECT_EQ(protocol::planTransmission("", "]", "20").refusal, TransmitRefusal::NothingToSend);
    EXPECT_EQ(protocol::planTransmission("   ", "]", "20").refusal, TransmitRefusal::NothingToSend);
    EXPECT_EQ(protocol::planTransmission("]k", "]", "3e9").refusal,
              TransmitRefusal::DelayOutOfRange);
    EXPECT_EQ(protocol::planTransmission("]k", "]", "9e999").refusal,
              TransmitRefusal::DelayOutOfRange);
    EXPECT_TRUE(protocol::planTransmission("]k", "]", "3e9").steps.empty());
}

TEST(PlanTransmission, ALongLineIsSentWhole)
{
    const std::string text(100000, 'a');
    const auto plan = protocol::planTransmission(text, "]", "20");
    ASSERT_EQ(plan.steps.size(), 1u);
    EXPECT_EQ(plan.steps[0].bytes, text);
}

TEST(PlanTransmission, InvalidUtf8BytesStayOneCharacterEach)
{
    const auto plan = protocol::planTransmission("\xff\xfe]", "]", "1");
    EXPECT_EQ(plan.steps, (Steps{{0, "\xff\xfe"}, {1, "]"}}));
}

} // namespace
