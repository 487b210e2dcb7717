#pragma once

#include <QString>

// What the display capture and the picture loader show, in one place.
namespace memory::tooltext {

inline const QString noReply = QStringLiteral(
        "No complete reply came from the board: the display could not be captured. "
        "Check the port settings and that the board is on, then try again.");
inline const QString readRefused = QStringLiteral("The board refused to read its display:");
// %1: the number of bytes the board answered, %2: those of the whole display.
inline const QString notWholeDisplay = QStringLiteral(
        "The board's answer is not the whole display: %1 bytes where %2 were expected.");
inline const QString imageNotSaved = QStringLiteral("The image could not be saved to %1.");

// %1: the file.
inline const QString pictureUnreadable = QStringLiteral("%1 could not be read as a picture.");
// %1: the file, %2 x %3: its pixels.
inline const QString pictureTooLarge
        = QStringLiteral("%1 is a picture of %2 x %3 pixels, too large to be read here: a "
                         "smaller copy of it can be loaded.");

} // namespace memory::tooltext
