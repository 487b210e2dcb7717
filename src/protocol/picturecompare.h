#pragma once

#include "protocol/monochrome.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace protocol {

// How a board's picture differs from the one expected of it, pixel by pixel.
struct PictureComparison
{
    enum Mark : std::uint8_t {
        Same,
        BoardOnly,       // lit on the board, dark in the expected picture
        ExpectedOnly,    // the other way round
        BoardOnlyFar,    // as BoardOnly, with no expected lit pixel within one pixel
        ExpectedOnlyFar, // as ExpectedOnly, with no board's lit pixel within one pixel
    };

    int width = 0;
    int height = 0;
    std::vector<Mark> marks;        // row by row from the top
    std::size_t differing = 0;      // pixels lit on one side only
    std::size_t beyondOnePixel = 0; // of those, pixels with no lit pixel near on the other side

    bool exact() const { return differing == 0; }
    // Every lit pixel on each side lies within one pixel (diagonals included) of a lit pixel
    // on the other: another drawing algorithm's rounding, not a faulty command.
    bool withinOnePixel() const { return beyondOnePixel == 0; }
};

// Both pictures must have the same size; a picture of another size differs everywhere.
PictureComparison comparePictures(const Bitmap &board, const Bitmap &expected);

} // namespace protocol
