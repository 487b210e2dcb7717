#include "protocol/stringframes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(StringFrame, UpperCaseFieldsThenTheUpperCasedTextUpToItsLimitThenTheEndMark)
{
    constexpr auto h = protocol::StringDirection::Horizontal;
    constexpr auto v = protocol::StringDirection::Vertical;
    const std::string forty = "abcdefghijklmnopqrstuvwxyz0123456789wxyz";
    const struct
    {
        protocol::StringDirection direction;
        const char *x, *y;
        std::string text;
        const char *outcome; // the frame, or the refusal
    } rows[] = {
            {h, "1", "32", "A;KORVEL;DEMO;BY;VENDRIX",
             "]h]0120]A];]K]O]R]V]E]L];]D]E]M]O];]B]Y];]V]E]N]D]R]I]X]@"},
            {v, "64", "0", "VENDRIX1", "]v]4000]V]E]N]D]R]I]X]1]@"},
            {h, "10", "255", "abc", "]h]0AFF]A]B]C]@"},
            {v, "300", " 12.5 ", "x", "]v]12C0C]X]@"},
            {h, "0", "0", forty,
             "]h]0000]A]B]C]D]E]F]G]H]I]J]K]L]M]N]O]P]Q]R]S]T]U]V]W]X]Y]Z]0]1]2]3]4]5]@"},
            {v, "0", "0", forty.substr(0, 20), "]v]0000]A]B]C]D]E]F]G]H]I]J]K]L]M]N]O]P]@"},
            {v, "0", "0", "   ", "]v]0000]@"},
            {h, "0", "0", " AB", "]h]0000] ]A]@"},
            {h, "0", "0", "A B", "]h]0000]A] ]B]@"},
            {h, "0", "0", "a]@z", "]h]0000]A]]]@]Z]@"},
            // The board reads one byte per character; é beyond the limit is never sent.
            {v, "0", "0", "\xc3\xa9t\xc3\xa9", "The board cannot take the character \xc3\xa9"},
            {v, "0", "0", "abcdefghijklmnop\xc3\xa9", "]v]0000]A]B]C]D]E]F]G]H]I]J]K]L]M]N]O]P]@"},
            {h, "-1", "0", "A", "X Location needs a whole number from 0 up"},
            {v, "0", "1,5", "A", "Y Location needs a whole number from 0 up"},
    };
    for (const auto &row : rows) {
        const auto encoded = protocol::stringFrame(row.direction, {"X Location", row.x},
                                                   {"Y Location", row.y}, row.text);
        EXPECT_EQ(encoded.ok() ? encoded.frame : encoded.refusal, row.outcome)
                << '"' << row.text << '"';
    }
}

} // namespace
