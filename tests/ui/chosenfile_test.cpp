// Files a person chose to write to: only a regular file, or a new one, is written.
#include "support/filesizelimit.h"
#include "ui/chosenfile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

QByteArray contents(const QString &path)
{
    return ui::readChosenFile(path, 64).bytes;
}

QString writeOpened(const QString &path, QIODevice::OpenMode mode, const QByteArray &bytes)
{
    QFile file(path);
    QString refusal;
    if (ui::openChosenFile(file, refusal, mode))
        file.write(bytes);
    return refusal;
}

// A pipe opened to write waits for a reader, and a save that renames its new file over a pipe
// turns it into a file: either would be wrong, and the first would hang this test.
TEST(ChosenFile, OnlyARegularFileIsWrittenAndNothingWaits)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString notWritten = QStringLiteral(", not a file, so nothing was written to it.");
    const struct
    {
        QString path;
        QString refusal; // empty: written
    } rows[] = {
            {fifo, fifo + " is a pipe" + notWritten},
            {dir.path(), dir.path() + " is a folder" + notWritten},
            {dir.filePath("new.txt"), ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.path.toStdString());
        const bool written = row.refusal.isEmpty();
        // Saved whole, then added to as the log does, then started afresh as the recorder does.
        EXPECT_EQ(ui::writeChosenFile(row.path, "whole\n"), row.refusal);
        EXPECT_EQ(writeOpened(row.path, QIODevice::WriteOnly | QIODevice::Append, "added\n"),
                  row.refusal);
        EXPECT_EQ(contents(row.path), written ? "whole\nadded\n" : "");
        EXPECT_EQ(writeOpened(row.path, QIODevice::WriteOnly, "afresh\n"), row.refusal);
        EXPECT_EQ(contents(row.path), written ? "afresh\n" : "");
        EXPECT_EQ(QFileInfo(row.path).isFile(), written);
    }
}

// A save that the disk cannot hold whole leaves the file as it was, and says so.
TEST(ChosenFile, ASaveThatDoesNotFitLeavesTheOldFileAsItWas)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("saved.bin");
    ASSERT_TRUE(ui::writeChosenFile(path, "old").isEmpty());
    QString refusal;
    {
        const testing_support::FileSizeLimit full(64);
        refusal = ui::writeChosenFile(path, QByteArray(1000, 'x'));
    }
    EXPECT_FALSE(refusal.isEmpty());
    EXPECT_EQ(contents(path), "old");
}

} // namespace
