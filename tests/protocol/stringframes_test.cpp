#include "protocol/stringframes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using protocol::StringDirection;

protocol::Encoded frameOf(StringDirection direction, const char *x, const char *y,
                          const std::string &text)
{
    return protocol::stringFrame(direction, {"X Location", x}, {"Y Location", y}, text);
}

TEST(StringFrame, UpperCaseFieldsOneGroupPerCharacterAndTheEndMark)
{
    constexpr auto h = StringDirection::Horizontal;
    constexpr auto v = StringDirection::Vertical;
    const std::string forty = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcd";
    const struct
    {
        StringDirection direction;
        const char *x, *y;
        std::string text;
        const char *frame;
    } rows[] = {
            {h, "1", "32", "A;KORVEL;DEMO;BY;VENDRIX",
             "]h]0120]A];]K]O]R]V]E]L];]D]E]M]O];]B]Y];]V]E]N]D]R]I]X]@"},
            {v, "64", "0", "VENDRIX1", "]v]4000]V]E]N]D]R]I]X]1]@"},
            {h, "10", "255", "abc", "]h]0AFF]A]B]C]@"},
            {v, "300", " 12.5 ", "x", "]v]12C0C]X]@"},
            {h, "0", "0", forty,
             "]h]0000]A]B]C]D]E]F]G]H]I]J]K]L]M]N]O]P]Q]R]S]T]U]V]W]X]Y]Z]0]1]2]3]4]5]@"},
            {v, "0", "0", forty.substr(0, 20), "]v]0000]A]B]C]D]E]F]G]H]I]J]K]L]M]N]O]P]@"},
            {h, "0", "0", "", "]h]0000]@"},
            {v, "0", "0", "   ", "]v]0000]@"},
            {h, "0", "0", " AB", "]h]0000] ]A]@"},
            {h, "0", "0", "  AB  ", "]h]0000] ] ]@"},
            {h, "0", "0", "A B", "]h]0000]A] ]B]@"},
            {h, "0", "0", "a]@z", "]h]0000]A]]]@]Z]@"},
            {v, "0", "0", "\xc3\xa9t\xc3\xa9", "]v]0000]\xc3\xa9]T]\xc3\xa9]@"},
    };
    for (const auto &row : rows) {
        const auto encoded = frameOf(row.direction, row.x, row.y, row.text);
        EXPECT_EQ(encoded.frame, row.frame) << '"' << row.text << '"';
        EXPECT_TRUE(encoded.ok()) << encoded.refusal;
    }
}

TEST(StringFrame, APositionThatIsNotAWholeNumberIsNamed)
{
    for (const char *x : {"", "-1", "abc", "9E9"}) {
        const auto encoded = frameOf(StringDirection::Horizontal, x, "0", "A");
        EXPECT_EQ(encoded.refusal, "X Location needs a whole number from 0 up") << x;
        EXPECT_EQ(encoded.frame, "");
    }
    EXPECT_EQ(frameOf(StringDirection::Vertical, "0", "1,5", "A").refusal,
              "Y Location needs a whole number from 0 up");
}

TEST(StringFrame, UpperCasingChangesOnlyLetters)
{
    EXPECT_EQ(protocol::upperCased("a;korvel 1]@\xc3\xa9"), "A;KORVEL 1]@\xc3\xa9");
}

} // namespace
