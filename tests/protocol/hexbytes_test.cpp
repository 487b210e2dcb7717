#include "protocol/hexbytes.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(HexPairs, ReadBackWhatTheBoardAnswers)
{
    const struct
    {
        const char *in;
        std::optional<Bytes> out;
    } rows[] = {
            {"", Bytes{}},
            {"12ab34", Bytes{0x12, 0xab, 0x34}},
            {"12AB\r\n34 ", Bytes{0x12, 0xab, 0x34}},
            {"1 2", {}},
            {"123", {}},
            {"12g4", {}},
            {"Ready:", {}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(protocol::bytesOfHexPairs(row.in), row.out) << row.in;
    EXPECT_EQ(protocol::hexPairs({0x00, 0x0f, 0xa0, 0xff}), "000fa0ff");
}

} // namespace
