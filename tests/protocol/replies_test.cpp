#include "protocol/replies.h"

#include <gtest/gtest.h>

namespace {

using Kind = protocol::Reply::Kind;

struct Row
{
    const char *received;
    Kind kind;
    const char *text;
    std::size_t length;
};

TEST(Replies, TheFirstIsReadyOrAWholeErrorLineWhicheverComesFirst)
{
    const Row rows[] = {
            {"", Kind::Pending, "", 0},
            {"Read", Kind::Pending, "", 0},
            {"Ready:", Kind::Ready, "", 6},
            {"ffffReady:\r", Kind::Ready, "ffff", 11},
            {"Ready:\r\nReady:\r", Kind::Ready, "", 8},
            {"Error: frame cut short: ]c]40", Kind::Pending, "", 0},
            {"Error: frame cut short: ]c]40\r", Kind::Refused, "Error: frame cut short: ]c]40", 30},
            {"Error: a\rReady:\r", Kind::Refused, "Error: a", 9},
            {"Ready:\rError: a\r", Kind::Ready, "", 7},
    };
    for (const Row &row : rows) {
        const protocol::Reply reply = protocol::firstReply(row.received);
        EXPECT_EQ(reply.kind, row.kind) << row.received;
        EXPECT_EQ(reply.text, row.text) << row.received;
        EXPECT_EQ(reply.length, row.length) << row.received;
    }
}

TEST(Replies, AnAnswerPassesOverTheBareReadiesOfEarlierFrames)
{
    const Row rows[] = {
            {"Ready:\r\nReady:\r\n", Kind::Pending, "", 0},
            {"Ready:\r\nff 00\r\n01Ready:\r\n", Kind::Ready, "ff 00\r\n01", 25},
            {"Ready:\r\n \r\nReady:\r\nError: no\r\n", Kind::Refused, "Error: no", 29},
            {"Ready:\r\nff", Kind::Pending, "", 0},
    };
    for (const Row &row : rows) {
        const protocol::Reply reply = protocol::firstAnswer(row.received);
        EXPECT_EQ(reply.kind, row.kind) << row.received;
        EXPECT_EQ(reply.text, row.text) << row.received;
        if (reply.kind != Kind::Pending) {
            EXPECT_EQ(reply.length, row.length) << row.received;
        }
    }
    EXPECT_EQ(protocol::answerDigits("ff 00\r\n01\t"), "ff0001");
}

TEST(Replies, TheTrailerIsDroppedWhenTheFourthAndThirdFromTheEndReadYColon)
{
    const struct
    {
        const char *in, *out;
    } rows[] = {
            {"12ab34Ready:\r\n", "12ab34"},
            {"12abxxxxy:ab", "12ab"},
            {"Ready!\r\n", "Ready!\r\n"},
            {"Waiting.....", "Waiting....."},
            {"dy:ab", "dy:ab"}, // shorter than a trailer
            {"", ""},
    };
    for (const auto &row : rows)
        EXPECT_EQ(protocol::withoutTrailer(row.in), row.out) << row.in;
}

} // namespace
