#pragma once

#include <QString>

// What the receive window's own tools show, in one place.
namespace ui::receivetext {

inline const QString saveText = QStringLiteral("Save Received Text As...");
inline const QString logToFile = QStringLiteral("Log to File...");
inline const QString showHex = QStringLiteral("Show Bytes as Hex...");

inline const QString saveTitle = QStringLiteral("Save received text");
inline const QString logTitle = QStringLiteral("Log received bytes to");
inline const QString textFilter = QStringLiteral("Text files (*.txt);;All files (*)");
inline const QString logFilter = QStringLiteral("Log files (*.log);;All files (*)");

// %1: the file, %2: the reason.
inline const QString logStopped
        = QStringLiteral("Logging stopped: the bytes received could not be written to %1: %2");

inline const QString logging = QStringLiteral("Logging");
// %1: the file.
inline const QString loggingTo = QStringLiteral("Every byte received is logged to %1");

inline const QString hexTitle = QStringLiteral("Received Bytes");
inline const QString hexLimit = QStringLiteral(
        "The bytes as received, as they arrive. Only the last 1 MiB is kept; older rows are "
        "dropped.");

} // namespace ui::receivetext
