#pragma once

#include <QString>

// What the EEPROM files show, in one place.
namespace memory::tooltext {

inline const QString nothingToSave
        = QStringLiteral("There are no bytes to save: read the EEPROM first.");
// %1: the bytes in the box, %2: the bytes the read asked for.
inline const QString readIncomplete
        = QStringLiteral("The box holds %1 bytes, the read asked for %2: click into it once the "
                         "board has answered, then save.");
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
