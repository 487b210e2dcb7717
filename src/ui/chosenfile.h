#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

class QFile;

namespace ui {

namespace filetext {
// %1: the file, %2: the reason.
inline const QString fileNotRead = QStringLiteral("%1 could not be read: %2");
// %1: the file, %2: the reason.
inline const QString fileNotWritten = QStringLiteral("%1 could not be written: %2");
// %1: the path, %2: what it is ("a pipe", "a device", "a folder").
inline const QString notAFile
        = QStringLiteral("%1 is %2, not a file, so it was not read. Nothing was changed.");
// %1: the path, %2: what it is ("a pipe", "a device", "a folder").
inline const QString notAFileToWrite
        = QStringLiteral("%1 is %2, not a file, so nothing was written to it.");
} // namespace filetext

// A file a person chose in a file tool. Only a regular file is opened (a link to one is
// followed): a pipe would block the window until something writes to it or reads it, a device
// such as /dev/zero never ends, and a terminal may wait for its line. Shows nothing itself:
// `refusal` names the file and says why.
// `mode` is ReadOnly, or WriteOnly with Append (the file is made when missing and added to) or
// without (it is made or emptied).
bool openChosenFile(QFile &file, QString &refusal, QIODevice::OpenMode mode = QIODevice::ReadOnly);

// What was read of a chosen file: never more than the limit asked for and one byte, so that a
// file far too large costs no more than that to weigh.
struct ChosenBytes
{
    QByteArray bytes;
    bool beyondLimit = false; // the file holds more than the limit
    qint64 size = 0;          // the file's size as far as known, at least what was read
    QString refusal;          // why nothing was read; empty when it was

    bool ok() const { return refusal.isEmpty(); }
};

ChosenBytes readChosenFile(const QString &path, qint64 limit);

// Writes `bytes` as the whole of a file a person chose, so that it is either replaced whole or
// left as it was. Only a regular file or a new one is written: the new contents take the place
// of what the name stood for, which must never be a pipe or a device. Why nothing was
// written, naming the file; empty when it was.
QString writeChosenFile(const QString &path, const QByteArray &bytes);

} // namespace ui
