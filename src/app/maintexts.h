#pragma once

#include <QString>

// Every text the main window shows outside its tab pages, as the board's users know them.
namespace app::text {

inline const QString caption = QStringLiteral("Sketra Ver 1.3.1");
inline const QString productLine = QStringLiteral("Sketra Ver 1.3.2");

inline const QString commSettings = QStringLiteral("Comm Settings");
inline const QString port = QStringLiteral("Port");
inline const QString baudRate = QStringLiteral("Baud rate");
inline const QString xmitDelay = QStringLiteral("XmitDelay");
inline const QString waitChar = QStringLiteral("WaitChar");
inline const QString set = QStringLiteral("S&et");

inline const QString ioPort = QStringLiteral("I/O Port");
inline const QString openDesign = QStringLiteral("&Open");
inline const QString open = QStringLiteral("Open");
inline const QString close = QStringLiteral("Close");
inline const QString forBrevik = QStringLiteral("For use with Brevik");

inline const QString help = QStringLiteral("&Help");
inline const QString about = QStringLiteral("&About");
inline const QString clearLcd = QStringLiteral("&Clear LCD");
inline const QString exit = QStringLiteral("E&xit");

inline const QString terminal = QStringLiteral("Terminal");
inline const QString clear = QStringLiteral("C&lear");
inline const QString copy = QStringLiteral("Copy");
inline const QString transmitActive = QStringLiteral("Transmit Window Active");

inline const QString waiting = QStringLiteral("Waiting.....");
inline const QString serialInput = QStringLiteral("Serial Input from PIC");

inline const QString nothingToSend = QStringLiteral("Nothing to send!");
inline const QString transmitFailed = QStringLiteral("Transmit failed: ");
inline const QString delayOutOfRange
        = QStringLiteral("XmitDelay must be a number of milliseconds up to 2147483647.");
inline const QString errorOpening = QStringLiteral("Error opening Comm:");
inline const QString commNotOpen = QStringLiteral("Comm Port Not Open");
inline const QString portLost = QStringLiteral("Comm port lost: ");

// A long transmission's progress window.
inline const QString stop = QStringLiteral("Stop");
inline const QString sending = QStringLiteral("Sending to the board");
inline const QString progress = QStringLiteral("%1 of %2 characters sent, %3 left");
inline const QString stopped = QStringLiteral("Transmit stopped after %1 of %2 characters");
inline const QString stalled = QStringLiteral(
        "The board stopped taking characters after %1 of %2: the line took none for five "
        "seconds. The port is still open.");

inline const QStringList settings = {
        QStringLiteral("56000,n,8,1"), QStringLiteral("38400,n,8,1"), QStringLiteral("28800,n,8,1"),
        QStringLiteral("19200,n,8,1"), QStringLiteral("14400,n,8,1"), QStringLiteral("9600,n,8,1"),
        QStringLiteral("2400,n,8,1"),  QStringLiteral("1200,n,8,1"),  QStringLiteral("600,n,8,1"),
};

} // namespace app::text
