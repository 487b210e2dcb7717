// The display bytes against the simulated board's own LCD: what is packed lands where the
// picture has it, and what a read answers unpacks to the pixels the display shows.
#include "board/boardharness.h"
#include "protocol/hexbytes.h"
#include "protocol/monochrome.h"

#include <gtest/gtest.h>

namespace {

using protocol::Bitmap;
using protocol::DisplayRect;

std::string corners(const DisplayRect &block)
{
    return protocol::hexPairs(
            {static_cast<std::uint8_t>(block.x1), static_cast<std::uint8_t>(block.x2),
             static_cast<std::uint8_t>(block.page1), static_cast<std::uint8_t>(block.page2)});
}

std::string writeFrame(const DisplayRect &block, const std::vector<std::uint8_t> &bytes)
{
    std::string frame = "]m]" + corners(block);
    for (const std::uint8_t byte : bytes)
        frame += "]" + protocol::hexPairs({byte});
    return frame;
}

// The pixels a read of the block answers, as the capture sees them.
Bitmap capture(boardtest::Harness &board, const DisplayRect &block)
{
    std::string reply = board.send("]n]" + corners(block));
    EXPECT_TRUE(reply.ends_with("Ready:\r")) << reply;
    reply.resize(reply.size() - 7);
    const auto bytes = protocol::bytesOfHexPairs(reply);
    EXPECT_TRUE(bytes) << reply;
    return protocol::unpackDisplayBytes(*bytes, block).value_or(Bitmap{});
}

Bitmap scattered(int width, int height)
{
    Bitmap bitmap{width, height, {}};
    for (int i = 0; i < width * height; ++i)
        bitmap.lit.push_back((i * 7 + i / 3) % 5 < 2);
    return bitmap;
}

TEST(DisplayBytesOnTheBoard, ABlockAcrossBothControllersLandsPixelForPixel)
{
    const DisplayRect block{60, 67, 3, 4};
    const Bitmap bitmap = scattered(block.width(), block.height());
    boardtest::Harness board;
    EXPECT_EQ(board.sendOnBlank(writeFrame(block, protocol::packDisplayBytes(bitmap, block))),
              "Ready:\r");
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 128; ++x) {
            const bool inside = x >= 60 && x <= 67 && y >= 24 && y < 40;
            ASSERT_EQ(board.pixel(x, y), inside && bitmap.at(x - 60, y - 24)) << x << "," << y;
        }
    }
    EXPECT_EQ(capture(board, block), bitmap);
}

TEST(DisplayBytesOnTheBoard, ACapturedDisplayShowsTheBoardsPixelsAndWritesThemBack)
{
    boardtest::Harness board;
    board.sendOnBlank("]c]402014");
    board.send("]h]0100]S]K]E]T]R]A]@");
    board.send("]b]60787030]3");
    ASSERT_GT(board.litPixels(), 100);
    const DisplayRect whole;
    const Bitmap captured = capture(board, whole);
    ASSERT_EQ(captured.width, 128);
    ASSERT_EQ(captured.height, 64);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 128; ++x)
            ASSERT_EQ(captured.at(x, y), board.pixel(x, y)) << x << "," << y;
    }

    const auto before = board.firmware.lcd().memory();
    board.sendOnBlank(writeFrame(whole, protocol::packDisplayBytes(captured, whole)));
    EXPECT_EQ(board.firmware.lcd().memory(), before);
}

} // namespace
