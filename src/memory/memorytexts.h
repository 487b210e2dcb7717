#pragma once

#include "protocol/defaults.h"

#include <QString>

// What the memory pages show and set, character for character.
namespace memory::text {

inline const QString selectEeprom = QStringLiteral("Please select Internal or External EEprom");
inline const QString reformatReminder
        = QStringLiteral("Make sure you Reformat the text before writing");

// The transmit delay each write step leaves behind, in milliseconds.
inline const QString eepromWritePacing = QStringLiteral("200");
inline const QString normalPacing = QString::number(protocol::defaultDelayMs);
inline const QString lcdWritePacing = QStringLiteral("5");

} // namespace memory::text
