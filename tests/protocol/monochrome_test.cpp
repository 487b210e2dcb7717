#include "protocol/monochrome.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

using protocol::Bitmap;
using protocol::DisplayRect;
using protocol::GreyImage;
using protocol::Placement;
using protocol::Shading;
using Rows = std::vector<std::string>;

// '#' black (lit once shaded), '.' white.
GreyImage picture(const Rows &rows)
{
    GreyImage image{static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), {}};
    for (const auto &row : rows) {
        for (char c : row)
            image.pixels.push_back(c == '#' ? 0 : 255);
    }
    return image;
}

GreyImage flat(int width, int height, std::uint8_t grey)
{
    return {width, height,
            std::vector<std::uint8_t>(static_cast<std::size_t>(width * height), grey)};
}

Rows rowsOf(const Bitmap &bitmap)
{
    Rows rows;
    for (int y = 0; y < bitmap.height; ++y) {
        rows.emplace_back();
        for (int x = 0; x < bitmap.width; ++x)
            rows.back() += bitmap.at(x, y) ? '#' : '.';
    }
    return rows;
}

const Rows pattern = {
        "########", //
        "#.......", //
        "#.#.....", //
        "#..#....", //
        "#...#...", //
        "#....#..", //
        "#.....#.", //
        "#......#", //
};

TEST(DisplayBytes, GoColumnByColumnWithTheTopPixelInBitZero)
{
    const Bitmap bitmap = protocol::shade(picture(pattern), Shading::Threshold, 128);
    const std::vector<std::uint8_t> bytes = {0xff, 0x01, 0x05, 0x09, 0x11, 0x21, 0x41, 0x81};
    const DisplayRect block{10, 17, 3, 3};
    EXPECT_EQ(protocol::packDisplayBytes(bitmap, block), bytes);
    EXPECT_EQ(rowsOf(*protocol::unpackDisplayBytes(bytes, block)), pattern);
}

TEST(DisplayBytes, GoPageByPageWithinAColumn)
{
    // Two columns, two pages: x 0 page 0, x 0 page 1, x 1 page 0, x 1 page 1.
    Rows rows(16, "..");
    rows[0] = "#.";                        // x 0, page 0, bit 0
    rows[15] = "#.";                       // x 0, page 1, bit 7
    rows[9] = ".#";                        // x 1, page 1, bit 1
    const DisplayRect block{63, 64, 6, 7}; // one column on each controller
    const Bitmap bitmap = protocol::shade(picture(rows), Shading::Threshold, 128);
    const std::vector<std::uint8_t> bytes = {0x01, 0x80, 0x00, 0x02};
    EXPECT_EQ(protocol::packDisplayBytes(bitmap, block), bytes);
    EXPECT_EQ(*protocol::unpackDisplayBytes(bytes, block), bitmap);
}

TEST(DisplayBytes, OnlyABlockOnTheDisplayWithOneBytePerColumnAndPageUnpacks)
{
    const struct
    {
        DisplayRect block;
        std::size_t bytes;
        bool unpacks;
    } rows[] = {
            {{0, 127, 0, 7}, 1024, true}, {{0, 127, 0, 7}, 1023, false}, {{5, 5, 2, 2}, 1, true},
            {{5, 4, 2, 2}, 0, false},     {{0, 128, 0, 0}, 129, false},  {{0, 0, 0, 8}, 9, false},
            {{128, 128, 0, 0}, 1, false},
    };
    for (const auto &row : rows) {
        const auto bitmap
                = protocol::unpackDisplayBytes(std::vector<std::uint8_t>(row.bytes), row.block);
        EXPECT_EQ(bitmap.has_value(), row.unpacks) << row.block.x1 << ".." << row.block.x2;
        EXPECT_EQ(protocol::displayRefusal(row.block).empty(), row.unpacks || row.bytes == 1023);
    }
}

TEST(Placement, PutsThePictureIntoTheRectangle)
{
    const struct
    {
        const char *why;
        GreyImage in;
        int width, height;
        Placement placement;
        std::vector<std::uint8_t> out;
    } rows[] = {
            {"fit doubles a wide picture and centres it",
             {2, 1, {0, 100}},
             4,
             4,
             Placement::Fit,
             {255, 255, 255, 255, 0, 0, 100, 100, 0, 0, 100, 100, 255, 255, 255, 255}},
            {"stretch fills the rectangle",
             {2, 1, {0, 100}},
             4,
             2,
             Placement::Stretch,
             {0, 0, 100, 100, 0, 0, 100, 100}},
            {"original keeps its size, centred",
             {2, 1, {0, 100}},
             4,
             3,
             Placement::Original,
             {255, 255, 255, 255, 255, 0, 100, 255, 255, 255, 255, 255}},
            {"original crops what overflows",
             {4, 1, {10, 20, 30, 40}},
             2,
             2,
             Placement::Original,
             {20, 30, 255, 255}},
            {"fit averages the area under each pixel",
             {3, 1, {0, 90, 180}},
             2,
             2,
             Placement::Fit,
             {30, 150, 255, 255}},
            {"stretch down to one pixel averages all",
             {2, 2, {0, 255, 255, 255}},
             1,
             1,
             Placement::Stretch,
             {191}},
            {"the canvas's own size comes through unchanged",
             {3, 2, {1, 2, 3, 4, 5, 6}},
             3,
             2,
             Placement::Fit,
             {1, 2, 3, 4, 5, 6}},
            {"an empty picture leaves white", {0, 0, {}}, 2, 1, Placement::Fit, {255, 255}},
            {"a rectangle of negative size holds nothing", {1, 1, {0}}, -1, 1, Placement::Fit, {}},
    };
    for (const auto &row : rows) {
        const GreyImage placed = protocol::place(row.in, row.width, row.height, row.placement);
        EXPECT_EQ(placed.width, std::max(0, row.width)) << row.why;
        EXPECT_EQ(placed.height, row.height) << row.why;
        EXPECT_EQ(placed.pixels, row.out) << row.why;
    }
}

TEST(Shading, EachModeTurnsGreyIntoLitAndDark)
{
    const struct
    {
        const char *why;
        GreyImage in;
        Shading shading;
        int threshold;
        Rows out;
    } rows[] = {
            {"threshold: darker than it is lit",
             {3, 1, {99, 100, 101}},
             Shading::Threshold,
             101,
             {"##."}},
            {"threshold 0 lights nothing", flat(2, 1, 0), Shading::Threshold, 0, {".."}},
            {"Floyd-Steinberg hands 7/16 to the right",
             flat(3, 1, 100),
             Shading::FloydSteinberg,
             128,
             {"#.#"}},
            {"Floyd-Steinberg hands 5/16 down",
             flat(1, 2, 100),
             Shading::FloydSteinberg,
             128,
             {"#", "."}},
            {"Atkinson hands 1/8 to each of two on the right",
             flat(3, 1, 100),
             Shading::Atkinson,
             128,
             {"###"}},
            {"Atkinson hands 1/8 down", flat(1, 2, 100), Shading::Atkinson, 128, {"#", "#"}},
            {"ordered 4 x 4 at mid grey is a chequerboard",
             flat(4, 4, 128),
             Shading::Ordered,
             128,
             {".#.#", "#.#.", ".#.#", "#.#."}},
            {"ordered 4 x 4 at a quarter grey lights twelve of sixteen",
             flat(4, 4, 64),
             Shading::Ordered,
             128,
             {".#.#", "####", ".#.#", "####"}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(rowsOf(protocol::shade(row.in, row.shading, row.threshold)), row.out) << row.why;
}

TEST(Shading, DitheringLightsAShareOfPixelsThatFollowsTheGrey)
{
    // Atkinson passes on only three quarters of the error, which adds contrast by design.
    const std::pair<Shading, double> modes[] = {
            {Shading::FloydSteinberg, 0.01}, {Shading::Ordered, 0.01}, {Shading::Atkinson, 0.08}};
    for (const auto &[shading, tolerance] : modes) {
        for (const int grey : {0, 64, 128, 192, 255}) {
            const Bitmap bitmap
                    = protocol::shade(flat(64, 64, static_cast<std::uint8_t>(grey)), shading, 128);
            const double lit = std::accumulate(bitmap.lit.begin(), bitmap.lit.end(), 0.0)
                               / static_cast<double>(bitmap.lit.size());
            EXPECT_NEAR(lit, 1 - grey / 255.0, tolerance)
                    << "mode " << static_cast<int>(shading) << ", grey " << grey;
        }
    }
}

TEST(Conversion, InversionSwapsEveryPixelOfTheRectangleMarginsIncluded)
{
    protocol::PictureOptions options;
    const Bitmap plain = protocol::toBitmap(picture(pattern), 12, 8, options);
    options.invert = true;
    const Bitmap inverted = protocol::toBitmap(picture(pattern), 12, 8, options);
    EXPECT_EQ(rowsOf(plain)[2], "..#.#.......");
    EXPECT_EQ(rowsOf(inverted)[2], "##.#.#######");
}

} // namespace
