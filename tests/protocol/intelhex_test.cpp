#include "protocol/intelhex.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

using protocol::MemoryImage;

std::vector<std::uint8_t> counting(std::size_t size)
{
    std::vector<std::uint8_t> bytes(size);
    std::iota(bytes.begin(), bytes.end(), std::uint8_t{0});
    return bytes;
}

TEST(IntelHexWriter, WritesRecordsOfSixteenAndTheEndRecord)
{
    const struct
    {
        MemoryImage image;
        const char *text;
    } rows[] = {
            {{0, {}}, ":00000001FF\r\n"},
            {{0x10, {0x12, 0xab, 0x34}}, ":0300100012AB34FC\r\n:00000001FF\r\n"},
            {{0, counting(17)},
             ":10000000000102030405060708090A0B0C0D0E0F78\r\n"
             ":0100100010DF\r\n:00000001FF\r\n"},
            // Upper 16 address bits first; a record never crosses a 64 KiB boundary.
            {{0xFFFF, {0xaa, 0xbb}},
             ":01FFFF00AA57\r\n:020000040001F9\r\n:01000000BB44\r\n:00000001FF\r\n"},
            {{0x12340, {0x01}}, ":020000040001F9\r\n:01234000019B\r\n:00000001FF\r\n"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(protocol::writeIntelHex(row.image), row.text) << row.image.start;
}

TEST(IntelHexReader, ReadsWhatTheWriterWrites)
{
    const MemoryImage images[] = {
            {0, {}},
            {0, {0xff}},
            {0x10, counting(256)},
            {0x7F00, counting(256)},
            {0xFFF0, counting(40)},
            {0x0001FFFE, counting(300)},
    };
    for (const auto &image : images) {
        const auto reading = protocol::readIntelHex(protocol::writeIntelHex(image));
        ASSERT_TRUE(reading.ok()) << reading.error;
        EXPECT_EQ(reading.image, image) << image.start;
    }
}

TEST(IntelHexReader, TakesTheRecordTypesAnImageUses)
{
    const struct
    {
        const char *why;
        const char *text;
        MemoryImage image;
    } rows[] = {
            {"lower case, LF, blank lines and blanks around",
             "\n  :0300100012ab34fc \n\n:00000001ff\n\n",
             {0x10, {0x12, 0xab, 0x34}}},
            {"extended segment address: segment 0x1000 is 0x10000",
             ":020000021000EC\r\n:0100000042BD\r\n:00000001FF",
             {0x10000, {0x42}}},
            {"start address records are passed over",
             ":0400000300001000E9\r\n:0400000500001000E7\r\n:0100000042BD\r\n:00000001FF\r\n",
             {0, {0x42}}},
            {"an empty data record changes nothing",
             ":0100000042BD\r\n:00005000B0\r\n:0100010043BB\r\n:00000001FF\r\n",
             {0, {0x42, 0x43}}},
            {"CR alone ends a line", ":0100000042BD\r:00000001FF\r", {0, {0x42}}},
            {"the same address reached by a new upper half",
             ":01FFFF00AA57\r\n:020000040001F9\r\n:01000000BB44\r\n:00000001FF\r\n",
             {0xFFFF, {0xaa, 0xbb}}},
    };
    for (const auto &row : rows) {
        const auto reading = protocol::readIntelHex(row.text);
        ASSERT_TRUE(reading.ok()) << row.why << ": " << reading.error;
        EXPECT_EQ(reading.image, row.image) << row.why;
    }
}

TEST(IntelHexReader, RefusesTheWholeTextNamingTheLine)
{
    using namespace std::literals;
    const struct
    {
        std::string_view text;
        std::size_t line;
        const char *message;
    } rows[] = {
            {":0100000042BC\r\n:00000001FF\r\n", 1,
             "Line 1 has a bad checksum: it ends in BC, its bytes need BD"},
            {":0100000042BD\r\n:0100020043BA\r\n:00000001FF\r\n", 2,
             "Line 2 leaves a gap in the addresses: the data before it ended at 0000, this "
             "record starts at 0002"},
            {":02000000424379\r\n\r\n:0100010044BA\r\n:00000001FF\r\n", 3,
             "Line 3 goes back over addresses already given: the data before it ended at 0001, "
             "this record starts at 0001"},
            {":0100000042BD\r\n:00000006FA\r\n:00000001FF\r\n", 2,
             "Line 2 has record type 06, which an image cannot take (it takes 00 to 05)"},
            {":020000040001\r\n", 1, "Line 1 says it holds 2 data bytes but holds 1 data byte"},
            {":0100000042BD\r\n0100010043BB\r\n", 2, "Line 2 does not start with \":\""},
            {":01000000G2BD\r\n", 1, "Line 1 holds a character that is not a hex digit"},
            {":0100000042B\r\n", 1, "Line 1 has an odd number of hex digits"},
            {":0100000042BD\0\r\n"sv, 1, "Line 1 holds a character that is not a hex digit"},
            {":00000001\r\n", 1, "Line 1 is too short for a record"},
            {":0100000400FB\r\n", 1, "Line 1 has a record of type 04 with 1 data byte, not 2"},
            {":02FFFF00AABB9B\r\n:00000001FF\r\n", 1,
             "Line 1 runs past the end of its 64 KiB address window"},
            {":00000001FF\r\n:0100000042BD\r\n", 2, "Line 2 follows the end-of-file record"},
            {":0100000042BD\r\n", 0,
             "The text has no end-of-file record: it may have been cut short"},
    };
    for (const auto &row : rows) {
        const auto reading = protocol::readIntelHex(row.text);
        EXPECT_EQ(reading.error, row.message) << row.text;
        EXPECT_EQ(reading.line, row.line) << row.text;
        EXPECT_TRUE(reading.image.bytes.empty()) << row.text;
    }
}

} // namespace
