#include "ui/chosenfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ui {

namespace {

QString kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return QObject::tr("a folder");
    if (S_ISFIFO(mode))
        return QObject::tr("a pipe");
    if (S_ISSOCK(mode))
        return QObject::tr("a socket");
    return QObject::tr("a device");
}

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// What a file is opened for, and what is said when it cannot be.
struct Access
{
    int flags;
    const QString &notAFile;
    const QString &failed;
};

Access accessFor(QIODevice::OpenMode mode)
{
    if (!(mode & QIODevice::WriteOnly))
        return {O_RDONLY, filetext::notAFile, filetext::fileNotRead};
    return {O_WRONLY | O_CREAT | ((mode & QIODevice::Append) ? O_APPEND : O_TRUNC),
            filetext::notAFileToWrite, filetext::fileNotWritten};
}

// What `name` stands for, a link followed: its st_mode, or 0 when nothing (errno says why).
mode_t kindAt(const QByteArray &name)
{
    struct stat info
    {};
    return ::stat(name.constData(), &info) == 0 ? info.st_mode : 0;
}

} // namespace

bool openChosenFile(QFile &file, QString &refusal, QIODevice::OpenMode mode)
{
    const Access access = accessFor(mode);
    const QString path = file.fileName();
    const QByteArray name = QFile::encodeName(path);
    const QString shortName = QFileInfo(path).fileName();
    // Looked at before it is opened, so that no device is opened at all; looked at again once
    // open, in case the name came to mean something else meanwhile.
    const mode_t kind = kindAt(name);
    if (kind == 0 && !(errno == ENOENT && (access.flags & O_CREAT))) {
        refusal = access.failed.arg(shortName, systemError());
        return false;
    }
    if (kind != 0 && !S_ISREG(kind)) {
        refusal = access.notAFile.arg(path, kindOf(kind));
        return false;
    }
    // Not blocking: a pipe put in the file's place opens at once and is refused below, or, to
    // be written with nobody reading it, is not opened at all. A regular file reads and writes
    // as ever.
    const int handle = ::open(name.constData(), access.flags | O_NONBLOCK | O_CLOEXEC, 0666);
    if (handle < 0) {
        refusal = access.failed.arg(shortName, systemError());
        return false;
    }
    struct stat info
    {};
    if (::fstat(handle, &info) != 0 || !S_ISREG(info.st_mode)) {
        refusal = access.notAFile.arg(path, kindOf(info.st_mode));
        ::close(handle);
        return false;
    }
    if (!file.open(handle, mode, QFileDevice::AutoCloseHandle)) {
        refusal = access.failed.arg(shortName, file.errorString());
        ::close(handle);
        return false;
    }
    return true;
}

ChosenBytes readChosenFile(const QString &path, qint64 limit)
{
    ChosenBytes chosen;
    QFile file(path);
    if (!openChosenFile(file, chosen.refusal))
        return chosen;
    // A regular file may still claim a size it does not hold (the kernel's own files claim
    // none), so what is read decides.
    chosen.bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError) {
        chosen.refusal = filetext::fileNotRead.arg(QFileInfo(path).fileName(), file.errorString());
        chosen.bytes.clear();
        return chosen;
    }
    chosen.beyondLimit = chosen.bytes.size() > limit;
    chosen.size = std::max<qint64>(file.size(), chosen.bytes.size());
    if (chosen.beyondLimit)
        chosen.bytes.truncate(limit);
    return chosen;
}

QString writeChosenFile(const QString &path, const QByteArray &bytes)
{
    // Refused before anything is opened: QSaveFile renames its new file over the old, and would
    // put it in the place of a pipe or a device.
    if (const mode_t kind = kindAt(QFile::encodeName(path)); kind != 0 && !S_ISREG(kind))
        return filetext::notAFileToWrite.arg(path, kindOf(kind));
    // Flushed on its own: commit() does not see a failure of the flush it does itself, and
    // would put a cut file in the old one's place.
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush()
        && file.commit())
        return {};
    return filetext::fileNotWritten.arg(QFileInfo(path).fileName(), file.errorString());
}

} // namespace ui
