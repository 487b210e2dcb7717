#include "protocol/lineends.h"

#include <gtest/gtest.h>

namespace {

TEST(NormaliseLineEnds, EveryCarriageReturnIsOneLineBreak)
{
    const struct
    {
        const char *why, *in, *out;
    } rows[] = {
            {"word then CR LF", "Ready:\r\n", "Ready:\r\n"},
            {"LF alone is no line break", "A\nB", "AB"},
            {"CR alone is one", "A\rB", "A\r\nB"},
            {"LF CR is one", "A\n\rB", "A\r\nB"},
            {"two CRs are two", "\r\r", "\r\n\r\n"},
            {"nothing", "", ""},
    };
    for (const auto &row : rows)
        EXPECT_EQ(protocol::normaliseLineEnds(row.in), row.out) << row.why;
}

TEST(NormaliseLineEnds, ACrLfSplitAcrossTwoReadsGivesOneLineBreak)
{
    EXPECT_EQ(protocol::normaliseLineEnds("A\r") + protocol::normaliseLineEnds("\nB"), "A\r\nB");
}

TEST(NormaliseLineEnds, KeepsNulAndHighBytes)
{
    const std::string in("A\0\xff\x80", 4);
    EXPECT_EQ(protocol::normaliseLineEnds(in), in);
}

} // namespace
