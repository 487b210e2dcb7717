#include "protocol/monochrome.h"

#include <algorithm>
#include <cmath>

namespace protocol {

namespace {

constexpr std::uint8_t white = 255;

std::size_t indexOf(int x, int y, int width)
{
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width)
           + static_cast<std::size_t>(x);
}

// Rounds a halved difference down, so an odd margin leaves its extra pixel on the right and
// at the bottom, also when the picture is the larger one.
int centred(int canvas, int picture)
{
    const int margin = canvas - picture;
    return margin >= 0 ? margin / 2 : -((-margin + 1) / 2);
}

// The average grey of the picture under each pixel of a width x height grid laid over it.
// Coordinates are counted in units of 1/(width * picture width) so the overlaps are exact.
GreyImage resample(const GreyImage &picture, int width, int height)
{
    GreyImage out{width, height, std::vector<std::uint8_t>(indexOf(0, height, width))};
    const auto overlap = [](std::int64_t a0, std::int64_t a1, std::int64_t b0, std::int64_t b1) {
        return std::max<std::int64_t>(0, std::min(a1, b1) - std::max(a0, b0));
    };
    const std::int64_t w = picture.width, h = picture.height;
    const std::uint64_t area = static_cast<std::uint64_t>(w * h);
    for (int y = 0; y < height; ++y) {
        const std::int64_t top = y * h, bottom = (y + 1) * h; // in units of 1/height
        const int firstRow = static_cast<int>(top / height);
        const int lastRow = static_cast<int>((bottom - 1) / height);
        for (int x = 0; x < width; ++x) {
            const std::int64_t left = x * w, right = (x + 1) * w; // in units of 1/width
            const int firstColumn = static_cast<int>(left / width);
            const int lastColumn = static_cast<int>((right - 1) / width);
            std::uint64_t sum = 0;
            for (int sy = firstRow; sy <= lastRow; ++sy) {
                const auto dy = overlap(top, bottom, std::int64_t{sy} * height,
                                        std::int64_t{sy + 1} * height);
                for (int sx = firstColumn; sx <= lastColumn; ++sx) {
                    const auto dx = overlap(left, right, std::int64_t{sx} * width,
                                            std::int64_t{sx + 1} * width);
                    sum += picture.at(sx, sy) * static_cast<std::uint64_t>(dx * dy);
                }
            }
            out.pixels[indexOf(x, y, width)] = static_cast<std::uint8_t>((sum + area / 2) / area);
        }
    }
    return out;
}

// Puts an image onto the canvas with its top left corner at x0, y0, cutting what lies outside.
void paste(GreyImage &canvas, const GreyImage &image, int x0, int y0)
{
    for (int y = std::max(0, -y0); y < image.height && y0 + y < canvas.height; ++y) {
        for (int x = std::max(0, -x0); x < image.width && x0 + x < canvas.width; ++x)
            canvas.pixels[indexOf(x0 + x, y0 + y, canvas.width)] = image.at(x, y);
    }
}

// Error diffusion: each pixel goes to black or white and hands its error on to the pixels
// below and to the right, each neighbour's share given as (dx, dy, weight / divisor).
struct Share
{
    int dx, dy, weight;
};

template<std::size_t N>
Bitmap diffuse(const GreyImage &image, const Share (&shares)[N], int divisor)
{
    Bitmap out{image.width, image.height, std::vector<std::uint8_t>(image.pixels.size())};
    std::vector<double> grey(image.pixels.begin(), image.pixels.end());
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const double value = grey[indexOf(x, y, image.width)];
            const bool lit = value < 128;
            out.lit[indexOf(x, y, image.width)] = lit;
            const double error = value - (lit ? 0 : 255);
            for (const Share &share : shares) {
                const int nx = x + share.dx, ny = y + share.dy;
                if (nx >= 0 && nx < image.width && ny < image.height)
                    grey[indexOf(nx, ny, image.width)] += error * share.weight / divisor;
            }
        }
    }
    return out;
}

constexpr Share floydSteinberg[] = {{1, 0, 7}, {-1, 1, 3}, {0, 1, 5}, {1, 1, 1}};
constexpr Share atkinson[] = {{1, 0, 1}, {2, 0, 1}, {-1, 1, 1}, {0, 1, 1}, {1, 1, 1}, {0, 2, 1}};

Bitmap ordered(const GreyImage &image)
{
    static constexpr int bayer[4][4]
            = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    Bitmap out{image.width, image.height, std::vector<std::uint8_t>(image.pixels.size())};
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x)
            out.lit[indexOf(x, y, image.width)] = image.at(x, y) < 16 * bayer[y % 4][x % 4] + 8;
    }
    return out;
}

} // namespace

GreyImage place(const GreyImage &picture, int width, int height, Placement placement)
{
    width = std::max(0, width);
    height = std::max(0, height);
    GreyImage canvas{width, height, std::vector<std::uint8_t>(indexOf(0, height, width), white)};
    if (picture.width <= 0 || picture.height <= 0 || width <= 0 || height <= 0)
        return canvas;
    switch (placement) {
    case Placement::Stretch:
        return resample(picture, width, height);
    case Placement::Original:
        paste(canvas, picture, centred(width, picture.width), centred(height, picture.height));
        return canvas;
    case Placement::Fit: {
        const double scale = std::min(static_cast<double>(width) / picture.width,
                                      static_cast<double>(height) / picture.height);
        const int w = std::clamp(static_cast<int>(std::lround(picture.width * scale)), 1, width);
        const int h = std::clamp(static_cast<int>(std::lround(picture.height * scale)), 1, height);
        paste(canvas, resample(picture, w, h), centred(width, w), centred(height, h));
        return canvas;
    }
    }
    return canvas;
}

Bitmap shade(const GreyImage &image, Shading shading, int threshold)
{
    switch (shading) {
    case Shading::FloydSteinberg:
        return diffuse(image, floydSteinberg, 16);
    case Shading::Atkinson:
        return diffuse(image, atkinson, 8);
    case Shading::Ordered:
        return ordered(image);
    case Shading::Threshold:
        break;
    }
    Bitmap out{image.width, image.height, std::vector<std::uint8_t>(image.pixels.size())};
    std::transform(image.pixels.begin(), image.pixels.end(), out.lit.begin(),
                   [threshold](std::uint8_t grey) { return grey < threshold; });
    return out;
}

Bitmap toBitmap(const GreyImage &picture, int width, int height, const PictureOptions &options)
{
    Bitmap bitmap = shade(place(picture, width, height, options.placement), options.shading,
                          options.threshold);
    if (options.invert) {
        for (auto &pixel : bitmap.lit)
            pixel = !pixel;
    }
    return bitmap;
}

std::vector<std::uint8_t> packDisplayBytes(const Bitmap &bitmap, const DisplayRect &rect)
{
    if (!displayRefusal(rect).empty() || bitmap.width != rect.width()
        || bitmap.height != rect.height())
        return {};
    std::vector<std::uint8_t> bytes;
    bytes.reserve(rect.bytes());
    for (int x = 0; x < bitmap.width; ++x) {
        for (int top = 0; top < bitmap.height; top += 8) {
            std::uint8_t strip = 0;
            for (int bit = 0; bit < 8; ++bit)
                strip |= static_cast<std::uint8_t>(bitmap.at(x, top + bit) << bit);
            bytes.push_back(strip);
        }
    }
    return bytes;
}

std::optional<Bitmap> unpackDisplayBytes(const std::vector<std::uint8_t> &bytes,
                                         const DisplayRect &rect)
{
    if (!displayRefusal(rect).empty() || bytes.size() != rect.bytes())
        return std::nullopt;
    Bitmap bitmap{rect.width(), rect.height(),
                  std::vector<std::uint8_t>(indexOf(0, rect.height(), rect.width()))};
    std::size_t next = 0;
    for (int x = 0; x < bitmap.width; ++x) {
        for (int top = 0; top < bitmap.height; top += 8, ++next) {
            for (int bit = 0; bit < 8; ++bit)
                bitmap.lit[indexOf(x, top + bit, bitmap.width)] = (bytes[next] >> bit) & 1;
        }
    }
    return bitmap;
}

} // namespace protocol
