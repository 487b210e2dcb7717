#pragma once

#include "protocol/displayrect.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace protocol {

// A grey picture, row by row from the top, 0 black to 255 white.
struct GreyImage
{
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;

    std::uint8_t at(int x, int y) const
    {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width)
                      + static_cast<std::size_t>(x)];
    }
};

// Lit and dark display pixels, row by row from the top; a lit pixel is a set bit on the board.
struct Bitmap
{
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> lit; // 1 lit, 0 dark

    bool at(int x, int y) const
    {
        return lit[static_cast<std::size_t>(y) * static_cast<std::size_t>(width)
                   + static_cast<std::size_t>(x)]
               != 0;
    }
    bool operator==(const Bitmap &) const = default;
};

enum class Placement {
    Fit,      // as large as fits keeping its proportions, centred
    Stretch,  // to the whole rectangle
    Original, // one picture pixel a display pixel, centred, cropped where it overflows
};

enum class Shading {
    Threshold,      // lit where darker than the threshold
    FloydSteinberg, // error diffusion to four neighbours
    Atkinson,       // error diffusion of three quarters of the error to six neighbours
    Ordered,        // a 4 x 4 Bayer matrix
};

struct PictureOptions
{
    Placement placement = Placement::Fit;
    Shading shading = Shading::Threshold;
    int threshold = 128; // lit below this grey, 0 to 256
    bool invert = false; // swaps lit and dark over the whole rectangle, margins included
};

// The picture on a width x height canvas of white (the margins a fit or a small original
// leaves stay white). Scaling averages the picture's area under each canvas pixel, so a
// picture of the canvas's own size comes through unchanged.
GreyImage place(const GreyImage &picture, int width, int height, Placement placement);

// Grey to lit and dark. The dithering modes spread light and dark in proportion to the grey;
// the threshold only applies to the threshold mode.
Bitmap shade(const GreyImage &image, Shading shading, int threshold);

// place, shade and, if asked, invert: the picture as the rectangle shows it.
Bitmap toBitmap(const GreyImage &picture, int width, int height, const PictureOptions &options);

// A bitmap of the rectangle's size as the bytes a read of the rectangle answers: column by
// column from x1, within a column page by page from page1, each byte the strip of 8 pixels of
// one column in one page with the top pixel in the least significant bit. The order does not
// change where the rectangle crosses from the left controller into the right one.
std::vector<std::uint8_t> packDisplayBytes(const Bitmap &bitmap, const DisplayRect &rect);

// The reverse, for a read: nothing unless the rectangle lies on the display and there is
// exactly one byte per column and page.
std::optional<Bitmap> unpackDisplayBytes(const std::vector<std::uint8_t> &bytes,
                                         const DisplayRect &rect);

} // namespace protocol
