#pragma once

#include "protocol/monochrome.h"

#include <QImage>

namespace memory {

// Display pixels of panel around the picture, as the simulated board's window shows its glass.
inline constexpr int displayGlass = 3;

// A bitmap as the simulated board's window draws its display: dark pixels on the yellow-green
// panel, each display pixel `scale` image pixels square, `glass` display pixels of bare panel
// around it.
QImage displayImage(const protocol::Bitmap &bitmap, int scale, int glass);

// Any picture Qt reads as greys; what is transparent counts as white paper.
protocol::GreyImage greyImage(const QImage &picture);

} // namespace memory
