#include "protocol/picturecompare.h"

namespace protocol {

namespace {

bool litNear(const Bitmap &bitmap, int x, int y)
{
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int nx = x + dx;
            const int ny = y + dy;
            if (nx >= 0 && ny >= 0 && nx < bitmap.width && ny < bitmap.height && bitmap.at(nx, ny))
                return true;
        }
    }
    return false;
}

} // namespace

PictureComparison comparePictures(const Bitmap &board, const Bitmap &expected)
{
    PictureComparison comparison;
    comparison.width = expected.width;
    comparison.height = expected.height;
    const auto pixels
            = static_cast<std::size_t>(expected.width) * static_cast<std::size_t>(expected.height);
    if (board.width != expected.width || board.height != expected.height) {
        comparison.marks.assign(pixels, PictureComparison::ExpectedOnlyFar);
        comparison.differing = comparison.beyondOnePixel = pixels;
        return comparison;
    }
    comparison.marks.assign(pixels, PictureComparison::Same);
    for (int y = 0; y < expected.height; ++y) {
        for (int x = 0; x < expected.width; ++x) {
            const bool onBoard = board.at(x, y);
            if (onBoard == expected.at(x, y))
                continue;
            const Bitmap &other = onBoard ? expected : board;
            const bool far = !litNear(other, x, y);
            auto &mark = comparison.marks[static_cast<std::size_t>(y)
                                                  * static_cast<std::size_t>(expected.width)
                                          + static_cast<std::size_t>(x)];
            if (onBoard)
                mark = far ? PictureComparison::BoardOnlyFar : PictureComparison::BoardOnly;
            else
                mark = far ? PictureComparison::ExpectedOnlyFar : PictureComparison::ExpectedOnly;
            ++comparison.differing;
            comparison.beyondOnePixel += far ? 1 : 0;
        }
    }
    return comparison;
}

} // namespace protocol
