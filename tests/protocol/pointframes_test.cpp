#include "protocol/pointframes.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using protocol::Entry;
using protocol::RunDirection;

constexpr auto horizontal = RunDirection::Horizontal;
constexpr auto vertical = RunDirection::Vertical;

Entry x(std::string_view text)
{
    return {"X", text};
}
Entry y(std::string_view text)
{
    return {"Y", text};
}

TEST(PointFrames, EachButtonSendsItsFieldsAndItsCharacterAsTyped)
{
    const struct
    {
        protocol::Encoded encoded;
        const char *frame;
    } rows[] = {
            {protocol::setDotFrame(x("64"), y("32")), "]d]4020"},
            {protocol::resetDotFrame(x("64"), y("32")), "]e]4020"},
            {protocol::putByteFrame(x("10"), y("10"), {"Byte", "124"}), "]u]0a0a7c"},
            {protocol::putByteFrame(x("300"), y("20.5"), {"Byte", "256"}), "]u]12c14100"},
            {protocol::putCharacterFrame(x("10"), y("10"), "A"), "]p]0a0a]A"},
            {protocol::putCharacterFrame(x("10"), y("10"), "a"), "]p]0a0a]a"},
            {protocol::putCharacterFrame(x("10"), y("10"), "]"), "]p]0a0a]]"},
            {protocol::putCharacterFrame(x("10"), y("10"), ""), "]p]0a0a]"},
            {protocol::putCharacterFrame(x("10"), y("10"), " "), "]p]0a0a] "},
            {protocol::fillFrame("1"), "]f]1"},
            {protocol::fillFrame("9"), "]f]9"},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(row.encoded.frame, row.frame);
        EXPECT_TRUE(row.encoded.ok()) << row.encoded.refusal;
    }
}

TEST(PointFrames, AnEntryThatIsNotAWholeNumberIsNamedAndNothingIsBuilt)
{
    const struct
    {
        protocol::Encoded encoded;
        const char *refusal;
    } rows[] = {
            {protocol::setDotFrame(x(""), y("32")), "X needs a whole number from 0 up"},
            {protocol::resetDotFrame(x("64"), y("-1")), "Y needs a whole number from 0 up"},
            {protocol::putByteFrame(x("1"), y("1"), {"Byte value 0-255", "abc"}),
             "Byte value 0-255 needs a whole number from 0 up"},
            {protocol::putCharacterFrame(x("9E9"), y("1"), "A"),
             "X needs a whole number from 0 up"},
            {protocol::fillFrame(""), "Please enter a step value"},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(row.encoded.refusal, row.refusal);
        EXPECT_EQ(row.encoded.frame, "");
    }
}

std::vector<std::string> framesOf(std::initializer_list<const char *> frames)
{
    return {frames.begin(), frames.end()};
}

TEST(DotRun, OneFramePerDotWithRunningValuesMadeWholeOnlyInTheirFields)
{
    const struct
    {
        const char *count, *x, *y;
        RunDirection direction;
        std::vector<std::string> frames;
    } rows[] = {
            {"3", "10", "30", horizontal, framesOf({"]d]0a1e", "]d]0b1e", "]d]0c1e"})},
            {"3", "10", "30", vertical, framesOf({"]d]0a1e", "]d]0a1f", "]d]0a20"})},
            {"10", "250", "30", horizontal,
             framesOf({"]d]fa1e", "]d]fb1e", "]d]fc1e", "]d]fd1e", "]d]fe1e", "]d]ff1e", "]d]1001e",
                       "]d]1011e", "]d]1021e", "]d]1031e"})},
            {"4", "10.5", "30", horizontal, framesOf({"]d]0a1e", "]d]0c1e", "]d]0c1e", "]d]0e1e"})},
            {"2.5", "abc", "1e1", horizontal, framesOf({"]d]000a", "]d]010a"})},
            {"1.5", "-0.5", "x", vertical, framesOf({"]d]0000", "]d]0001"})},
            {"0", "10", "30", horizontal, {}},
            {"-5", "10", "30", horizontal, {}},
            {"", "10", "30", horizontal, {}},
            {"abc", "-5", "-5", vertical, {}},
    };
    for (const auto &row : rows) {
        const auto run
                = protocol::dotRunFrames({"Number", row.count}, x(row.x), y(row.y), row.direction);
        EXPECT_EQ(run.frames, row.frames) << row.count << " from " << row.x << ", " << row.y;
        EXPECT_TRUE(run.ok()) << run.refusal;
    }
}

TEST(DotRun, TheDefaultRunsSendTwentyDots)
{
    const auto across = protocol::dotRunFrames({"Number", "20"}, x("10"), y("30"), horizontal);
    ASSERT_EQ(across.frames.size(), 20u);
    EXPECT_EQ(across.frames.back(), "]d]1d1e");
    const auto down = protocol::dotRunFrames({"Number", "20"}, x("10"), y("30"), vertical);
    ASSERT_EQ(down.frames.size(), 20u);
    EXPECT_EQ(down.frames.back(), "]d]0a31");
}

TEST(DotRun, IsRefusedWholeWhenAnyOfItsDotsCannotBeEncoded)
{
    const struct
    {
        const char *count, *x, *y;
        RunDirection direction;
        const char *refusal;
    } rows[] = {
            {"9E9", "10", "30", horizontal, "Number needs a whole number from 1 to 32767"},
            {"32768", "10", "30", horizontal, "Number needs a whole number from 1 to 32767"},
            {"20", "-5", "30", horizontal, "X needs a whole number from 0 up"},
            {"20", "-0.6", "30", horizontal, "X needs a whole number from 0 up"},
            {"20", "10", "-1", horizontal, "Y needs a whole number from 0 up"},
            {"20", "-1", "10", vertical, "X needs a whole number from 0 up"},
            {"20", "10", "-3", vertical, "Y needs a whole number from 0 up"},
            {"20", "9E9", "30", horizontal, "X needs a whole number from 0 up"},
            {"20", "2147483640", "30", horizontal, "X needs a whole number from 0 up"},
    };
    for (const auto &row : rows) {
        const auto run
                = protocol::dotRunFrames({"Number", row.count}, x(row.x), y(row.y), row.direction);
        EXPECT_EQ(run.refusal, row.refusal) << row.count << " from " << row.x << ", " << row.y;
        EXPECT_TRUE(run.frames.empty());
    }
}

TEST(DotRun, RunsUpToTheLongestCount)
{
    const auto run = protocol::dotRunFrames({"Number", "32767"}, x("0"), y("0"), horizontal);
    ASSERT_EQ(run.frames.size(), 32767u);
    EXPECT_EQ(run.frames.back(), "]d]7ffe00");
}

} // namespace
