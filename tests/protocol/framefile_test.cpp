// Frame files: what `--send` reads from one, and what the recorder writes reads back the same.
#include "protocol/framefile.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using protocol::FileFrame;

TEST(ReadFrameFile, FramesAreTheNonBlankLinesBelowThePacingTheirCommentsSet)
{
    const auto file = protocol::readFrameFile("]k\r\n\r\n  ]c]402014 \t\n \n# xmitdelay 5\n"
                                              "#   waitchar   c  \r\n# a remark\n]d]4020\n"
                                              "#waitchar\n]e]4020");
    const std::vector<FileFrame> expected = {{1, "]k", {}, {}},
                                             {3, "]c]402014", {}, {}},
                                             {8, "]d]4020", 5, "c"},
                                             {10, "]e]4020", 5, ""}};
    EXPECT_EQ(file.frames, expected);
    EXPECT_EQ(file.refusal, "");
    EXPECT_TRUE(protocol::readFrameFile("\n \r\n# only a remark\n").frames.empty());
}

TEST(ReadFrameFile, ALineThatCannotBeReadIsRefusedByItsLine)
{
    const struct
    {
        std::string text, refusal;
    } rows[] = {
            {"]k\n]" + std::string(protocol::longestFrameLine, 'a'),
             "line 2 is longer than any frame the board takes (1048576 characters)"},
            {"]k\n# xmitdelay 2O\n]k",
             "line 2 (# xmitdelay 2O) wants a whole number of milliseconds"},
            {"# xmitdelay\n", "line 1 (# xmitdelay) wants a whole number of milliseconds"},
            {"# xmitdelay 2147483648", "line 1 (# xmitdelay 2147483648) wants a whole number of "
                                       "milliseconds"},
            {"# waitchar ]]", "line 1 (# waitchar ]]) wants one wait character, or none for no "
                              "pauses"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(protocol::readFrameFile(row.text).refusal, row.refusal) << row.refusal;
}

TEST(FrameFileWriter, WhatItWritesReadsBackAsTheFramesSentAtTheirPacing)
{
    const struct
    {
        const char *frame, *wait, *delay;
        const char *readBack; // nothing: no frame for the board
        std::int32_t delayMs;
        const char *waitChar;
    } rows[] = {
            {"]k", "]", "20", "]k", 20, "]"},
            {"]c]402014  ", "]", "20", "]c]402014", 20, "]"},
            {"]m]00010000]a1]b2", " ] ", "4.6", "]m]00010000]a1]b2", 5, "]"},
            {"]d]4020", "]]", "5", "]d]4020", 5, ""}, // send pauses for one character only
            {"  ", "]", "5", nullptr, 0, ""},         // send refuses it: nothing went out
            {"#]k", "#", "0", "]k", 0, "#"}, // the board ignores what comes before a command key
            {"# xmitdelay 9 is nothing for the board", "#", "0", nullptr, 0, ""},
            {"]e]4020", "\xc3\xa9", "2147483647", "]e]4020", 2147483647, "\xc3\xa9"},
    };
    protocol::FrameFileWriter writer;
    std::string text;
    std::vector<FileFrame> expected;
    int line = 0;
    for (const auto &row : rows) {
        const std::string lines = writer.sent(row.frame, row.wait, row.delay);
        text += lines;
        line += static_cast<int>(std::count(lines.begin(), lines.end(), '\n'));
        if (row.readBack)
            expected.push_back({line, row.readBack, row.delayMs, row.waitChar});
    }
    EXPECT_EQ(protocol::readFrameFile(text).frames, expected) << text;
    // The pacing is written only where it changes: 7 lines and 8 comments.
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 7 + 2 + 1 + 1 + 2 + 2) << text;
}

} // namespace
