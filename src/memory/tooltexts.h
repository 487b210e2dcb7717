#pragma once

#include <QString>

// What the display capture, the picture loader and the EEPROM files show, in one place.
namespace memory::tooltext {

inline const QString noReply = QStringLiteral(
        "No complete reply came from the board: the display could not be captured. "
        "Check the port settings and that the board is on, then try again.");
inline const QString readRefused = QStringLiteral("The board refused to read its display:");
// %1: the number of bytes the board answered.
inline const QString notWholeDisplay = QStringLiteral(
        "The board's answer is not the whole display: %1 bytes where 1024 were expected.");
inline const QString imageNotSaved = QStringLiteral("The image could not be saved to %1.");

// %1: the file.
inline const QString pictureUnreadable = QStringLiteral("%1 could not be read as a picture.");
// %1: the file, %2 x %3: its pixels.
inline const QString pictureTooLarge
        = QStringLiteral("%1 is a picture of %2 x %3 pixels, too large to be read here: a "
                         "smaller copy of it can be loaded.");

inline const QString nothingToSave
        = QStringLiteral("There are no bytes to save: read the EEPROM first.");
// %1: the bytes in the box, %2: the bytes the read asked for.
inline const QString readIncomplete
        = QStringLiteral("The box holds %1 bytes, the read asked for %2: click into it once the "
                         "board has answered, then save.");
// %1: the file, %2: the reason.
inline const QString fileNotWritten = QStringLiteral("%1 could not be written: %2");
inline const QString fileNotRead = QStringLiteral("%1 could not be read: %2");
// %1: the path, %2: what it is ("a pipe", "a device", "a folder").
inline const QString notAFile
        = QStringLiteral("%1 is %2, not a file, so it was not read. Nothing was changed.");
// %1: the file, %2: the largest size in MiB.
inline const QString hexFileTooLarge
        = QStringLiteral("%1 holds more than %2 MiB, far more than an Intel HEX file of the "
                         "EEPROMs can need. Nothing was changed.");
// %1: the file.
inline const QString fileEmpty = QStringLiteral("%1 holds no bytes.");
// %1: the file, %2: the EEPROM, %3: bytes, %4: first address, %5: its last address.
inline const QString fileTooLarge
        = QStringLiteral("%1 does not fit the %2 EEPROM: %3 bytes from address %4 reach past "
                         "its last address, %5. Nothing was changed.");

} // namespace memory::tooltext
