#include "ui/chosenfile.h"

#include <QFile>
#include <QFileInfo>

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

} // namespace

bool openChosenFile(QFile &file, QString &refusal)
{
    const QString path = file.fileName();
    const QByteArray name = QFile::encodeName(path);
    const QString shortName = QFileInfo(path).fileName();
    struct stat info
    {};
    // Looked at before it is opened, so that no device is opened at all; looked at again once
    // open, in case the name came to mean something else meanwhile.
    if (::stat(name.constData(), &info) != 0) {
        refusal = filetext::fileNotRead.arg(shortName, systemError());
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        refusal = filetext::notAFile.arg(path, kindOf(info.st_mode));
        return false;
    }
    // Not blocking: a pipe put in the file's place opens at once, and is refused below.
    const int handle = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (handle < 0) {
        refusal = filetext::fileNotRead.arg(shortName, systemError());
        return false;
    }
    if (::fstat(handle, &info) != 0 || !S_ISREG(info.st_mode)) {
        refusal = filetext::notAFile.arg(path, kindOf(info.st_mode));
        ::close(handle);
        return false;
    }
    if (!file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        refusal = filetext::fileNotRead.arg(shortName, file.errorString());
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

QString writeRefusal(const QString &path)
{
    struct stat info
    {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0
        || !(S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode)))
        return {};
    return filetext::notAFileToWrite.arg(path, kindOf(info.st_mode));
}

} // namespace ui
