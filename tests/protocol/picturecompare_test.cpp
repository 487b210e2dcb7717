#include "protocol/picturecompare.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

protocol::Bitmap picture(const std::vector<std::pair<int, int>> &lit)
{
    protocol::Bitmap bitmap{8, 6, std::vector<std::uint8_t>(48)};
    for (const auto &[x, y] : lit)
        bitmap.lit[static_cast<std::size_t>(y * 8 + x)] = 1;
    return bitmap;
}

TEST(ComparePictures, CountsExactDifferencesApartFromThoseBeyondOnePixel)
{
    const auto line = picture({{1, 2}, {2, 2}, {3, 2}, {4, 2}});
    const struct
    {
        const char *what;
        protocol::Bitmap board;
        std::size_t differing, beyond;
    } rows[] = {
            {"the same", line, 0, 0},
            {"one pixel drawn a row lower", picture({{1, 2}, {2, 2}, {3, 3}, {4, 2}}), 2, 0},
            {"the line a pixel to the right", picture({{2, 2}, {3, 2}, {4, 2}, {5, 2}}), 2, 0},
            {"a pixel missing at the end", picture({{1, 2}, {2, 2}, {3, 2}}), 1, 0},
            {"a stray dot far off", picture({{1, 2}, {2, 2}, {3, 2}, {4, 2}, {7, 5}}), 1, 1},
            {"the line two rows lower", picture({{1, 4}, {2, 4}, {3, 4}, {4, 4}}), 8, 8},
            {"nothing drawn", picture({}), 4, 4},
    };
    for (const auto &row : rows) {
        const auto comparison = protocol::comparePictures(row.board, line);
        EXPECT_EQ(comparison.differing, row.differing) << row.what;
        EXPECT_EQ(comparison.beyondOnePixel, row.beyond) << row.what;
    }
}

TEST(ComparePictures, MarksWhichSideEachDifferenceIsLitOn)
{
    const auto comparison
            = protocol::comparePictures(picture({{0, 0}, {7, 5}}), picture({{1, 0}, {4, 3}}));
    using Mark = protocol::PictureComparison;
    EXPECT_EQ(comparison.marks[0], Mark::BoardOnly);
    EXPECT_EQ(comparison.marks[1], Mark::ExpectedOnly);
    EXPECT_EQ(comparison.marks[47], Mark::BoardOnlyFar);
    EXPECT_EQ(comparison.marks[28], Mark::ExpectedOnlyFar);
    EXPECT_EQ(comparison.marks[2], Mark::Same);
}

TEST(ComparePictures, APictureOfAnotherSizeDiffersEverywhere)
{
    const auto comparison = protocol::comparePictures(
            protocol::Bitmap{4, 6, std::vector<std::uint8_t>(24)}, picture({}));
    EXPECT_FALSE(comparison.withinOnePixel());
    EXPECT_EQ(comparison.differing, 48u);
}

} // namespace
