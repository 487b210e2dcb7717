#include "protocol/pointframes.h"

#include <gtest/gtest.h>

namespace {

using protocol::Entry;
using protocol::RunDirection;

constexpr auto across = RunDirection::Horizontal;
constexpr auto down = RunDirection::Vertical;

Entry x(std::string_view text)
{
    return {"X", text};
}
Entry y(std::string_view text)
{
    return {"Y", text};
}

// The frame, or the refusal when there is none.
std::string outcome(const protocol::Encoded &encoded)
{
    return encoded.ok() ? encoded.frame : encoded.refusal;
}

TEST(PointFrames, FieldsInOrderTheCharacterAsTypedOrTheBoxThatCannotBeEncoded)
{
    const struct
    {
        protocol::Encoded encoded;
        const char *outcome;
    } rows[] = {
            {protocol::setDotFrame(x("64"), y("32")), "]d]4020"},
            {protocol::resetDotFrame(x("64"), y("32")), "]e]4020"},
            {protocol::putByteFrame(x("10"), y("10"), {"B", "124"}), "]u]0a0a7c"},
            {protocol::putByteFrame(x("300"), y("20.5"), {"B", "256"}), "]u]12c14100"},
            {protocol::putCharacterFrame(x("10"), y("10"), "A"), "]p]0a0a]A"},
            {protocol::putCharacterFrame(x("10"), y("10"), "a"), "]p]0a0a]a"},
            {protocol::putCharacterFrame(x("10"), y("10"), ""), "]p]0a0a]"},
            {protocol::putCharacterFrame(x("10"), y("10"), " "), "]p]0a0a] "},
            {protocol::fillFrame("9"), "]f]9"},
            {protocol::fillFrame(""), "Please enter a step value"},
            {protocol::setDotFrame(x(""), y("32")), "X needs a whole number from 0 up"},
            {protocol::resetDotFrame(x("64"), y("-1")), "Y needs a whole number from 0 up"},
            {protocol::putByteFrame(x("1"), y("1"), {"B", "abc"}),
             "B needs a whole number from 0 up"},
            {protocol::putCharacterFrame(x("9E9"), y("1"), "A"),
             "X needs a whole number from 0 to 2147483647"}, // the upper bound is the cause
            // One byte a character on the board's side: é would arrive as two.
            {protocol::putCharacterFrame(x("10"), y("10"), "\xc3\xa9"),
             "The board cannot take the character \xc3\xa9"},
            {protocol::putCharacterFrame(x("-1"), y("10"), "\xc3\xa9"),
             "X needs a whole number from 0 up"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(outcome(row.encoded), row.outcome);
}

TEST(DotRun, OneFramePerDotFromRunningValuesOrNoneAtAll)
{
    const struct
    {
        const char *count, *x, *y;
        RunDirection direction;
        const char *outcome; // the frames back to back, or the refusal
    } rows[] = {
            {"3", "10", "30", across, "]d]0a1e]d]0b1e]d]0c1e"},
            {"3", "10", "30", down, "]d]0a1e]d]0a1f]d]0a20"},
            {"10", "250", "30", across,
             "]d]fa1e]d]fb1e]d]fc1e]d]fd1e]d]fe1e]d]ff1e]d]1001e]d]1011e]d]1021e]d]1031e"},
            {"4", "10.5", "30", across, "]d]0a1e]d]0c1e]d]0c1e]d]0e1e"}, // halves to even
            {"2.5", "abc", "1e1", across, "]d]000a]d]010a"},
            {"1.5", "-0.5", "x", down, "]d]0000]d]0001"},
            {"0", "10", "30", across, ""},
            {"-5", "10", "30", across, ""},
            {"abc", "-5", "-5", down, ""},
            {"9E9", "10", "30", across, "Number needs a whole number from 1 to 32767"},
            {"32768", "10", "30", across, "Number needs a whole number from 1 to 32767"},
            {"20", "-5", "30", across, "X needs a whole number from 0 up"},
            {"20", "-0.6", "30", across, "X needs a whole number from 0 up"},
            {"20", "10", "-1", across, "Y needs a whole number from 0 up"},
            {"20", "10", "-3", down, "Y needs a whole number from 0 up"},
            {"20", "9E9", "30", across, "X needs a whole number from 0 to 2147483647"},
            {"20", "2147483640", "30", across, "X needs a whole number from 0 to 2147483647"},
    };
    for (const auto &row : rows) {
        const auto run
                = protocol::dotRunFrames({"Number", row.count}, x(row.x), y(row.y), row.direction);
        std::string frames;
        for (const auto &frame : run.frames)
            frames += frame;
        EXPECT_TRUE(run.ok() || frames.empty());
        EXPECT_EQ(run.ok() ? frames : run.refusal, row.outcome)
                << row.count << " from " << row.x << ", " << row.y;
    }
}

} // namespace
