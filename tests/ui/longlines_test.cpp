#include "qtprinters.h"
#include "ui/longlines.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>

#include <gtest/gtest.h>

namespace {

const QString crLf = QStringLiteral("\r\n");

TEST(LongLines, ReadBackWholeHoweverTheyArrive)
{
    const QString longLine(5000, QLatin1Char('x'));
    const struct
    {
        const char *what;
        QStringList appended; // line ends "\n"
        QString expected;     // line ends CR LF
    } rows[] = {
            {"short lines as they are", {"ab\ncd", "e\n"}, "ab\r\ncde\r\n"},
            {"one long line in one go", {longLine}, longLine},
            {"one long line a character at a time", QString(3000, 'y').split(""),
             QString(3000, 'y')},
            {"a long line between two short ones",
             {"a\n" + longLine + "\nb"},
             "a\r\n" + longLine + "\r\nb"},
            {"a no-break space stays one",
             {QStringLiteral("a\u00a0b")},
             QStringLiteral("a\u00a0b")},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        QPlainTextEdit appended;
        for (const QString &part : row.appended)
            ui::appendInPieces(&appended, part);
        EXPECT_EQ(ui::joinedText(&appended, crLf), row.expected);
        EXPECT_TRUE(ui::holdsText(&appended, row.expected));

        QPlainTextEdit set;
        ui::setTextInPieces(&set, row.expected);
        EXPECT_EQ(ui::joinedText(&set, crLf), row.expected);
    }
}

TEST(LongLines, NoBlockGrowsBeyondAPiece)
{
    QPlainTextEdit box;
    ui::appendInPieces(&box, QString(100000, 'x'));
    ui::setTextInPieces(&box, QString(100000, 'x') + "\r\nend");
    for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next())
        EXPECT_LE(block.length() - 1, 1024);
}

TEST(LongLines, EnterTypedInsideALongLineBreaksItThere)
{
    QPlainTextEdit box;
    ui::setTextInPieces(&box, QString(3000, 'x'));
    QTextCursor cursor(box.document());
    cursor.setPosition(2000); // inside the second piece
    box.setTextCursor(cursor);
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(ui::joinedText(&box, crLf), QString(1999, 'x') + crLf + QString(1001, 'x'));
}

// Ctrl+C and a drag both take the selection through the box's MIME data.
TEST(LongLines, APersonsCopyHoldsTheLinesAsTheyCame)
{
    const QString text = "a\r\n" + QString(3000, 'x') + "\r\nb";
    const struct
    {
        const char *what;
        // Positions in the document: "a" at 0, the pieces of x at 2, 1027 and 2052, "b" at 3005.
        int from, to;
        QString copied;
    } rows[] = {
            {"all of it", 0, 3006, text},
            {"across two pieces", 2 + 500, 1027 + 500, QString(1024, 'x')},
            {"from a line's end into the next", 1, 2 + 10, "\r\n" + QString(10, 'x')},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        ui::LongLineBox box;
        ui::setTextInPieces(&box, text);
        QTextCursor cursor(box.document());
        cursor.setPosition(row.from);
        cursor.setPosition(row.to, QTextCursor::KeepAnchor);
        box.setTextCursor(cursor);
        box.copy();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), row.copied);
    }
}

} // namespace
