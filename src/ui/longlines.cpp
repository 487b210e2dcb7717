#include "ui/longlines.h"

#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>
#include <vector>

namespace ui {

namespace {

// Long enough that no line of an ordinary reply is cut, short enough that laying a piece out
// again stays well under a millisecond.
constexpr qsizetype longestPiece = 1024;
constexpr int carriesOn = 1; // the user state of a block that continues the line before it

const QString crLf = QStringLiteral("\r\n");

bool carriesOnLine(const QTextBlock &block)
{
    return block.userState() == carriesOn;
}

} // namespace

void appendInPieces(QPlainTextEdit *box, QStringView text)
{
    QTextCursor end(box->document());
    end.movePosition(QTextCursor::End);
    end.beginEditBlock();
    for (qsizetype at = 0;;) {
        const qsizetype lineEnd = text.indexOf(u'\n', at);
        QStringView line = text.mid(at, (lineEnd < 0 ? text.size() : lineEnd) - at);
        while (!line.isEmpty()) {
            qsizetype room = longestPiece - (end.block().length() - 1);
            if (room <= 0) {
                end.insertBlock();
                end.block().setUserState(carriesOn);
                room = longestPiece;
            }
            const QStringView piece = line.left(room);
            end.insertText(piece.toString());
            line = line.mid(piece.size());
        }
        if (lineEnd < 0)
            break;
        end.insertBlock();
        end.block().setUserState(-1);
        at = lineEnd + 1;
    }
    end.endEditBlock();
}

void setTextInPieces(QPlainTextEdit *box, const QString &text)
{
    QString lines = text;
    lines.replace(crLf, QStringLiteral("\n"));
    QString pieces;
    pieces.reserve(lines.size() + lines.size() / longestPiece);
    std::vector<bool> carries; // one per block
    for (qsizetype at = 0;;) {
        const qsizetype lineEnd = lines.indexOf(u'\n', at);
        const qsizetype end = lineEnd < 0 ? lines.size() : lineEnd;
        carries.push_back(false);
        for (qsizetype piece = at; piece < end; piece += longestPiece) {
            if (piece > at) {
                pieces += u'\n';
                carries.push_back(true);
            }
            pieces += QStringView(lines).mid(piece, std::min(longestPiece, end - piece));
        }
        if (lineEnd < 0)
            break;
        pieces += u'\n';
        at = lineEnd + 1;
    }
    box->setPlainText(pieces);
    QTextBlock block = box->document()->begin();
    for (const bool carried : carries) {
        if (!block.isValid())
            break;
        if (carried)
            block.setUserState(carriesOn);
        block = block.next();
    }
}

QString joinedText(const QPlainTextEdit *box, const QString &lineEnd)
{
    const QTextDocument *document = box->document();
    QString text;
    text.reserve(document->characterCount());
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block != document->begin() && !carriesOnLine(block))
            text += lineEnd;
        text += block.text();
    }
    // Shift+Enter breaks a line inside a block.
    text.replace(QChar::LineSeparator, lineEnd);
    return text;
}

bool holdsText(const QPlainTextEdit *box, const QString &text)
{
    // Every block's length counts its separator; what is left counts the characters alone.
    const QTextDocument *document = box->document();
    const qsizetype characters = document->characterCount() - document->blockCount();
    return characters == text.size() - 2 * text.count(crLf) && joinedText(box, crLf) == text;
}

QString joinedSelection(const QTextCursor &cursor, const QString &lineEnd)
{
    const int from = cursor.selectionStart();
    const int to = cursor.selectionEnd();
    QString text;
    for (QTextBlock block = cursor.document()->findBlock(from);
         block.isValid() && block.position() <= to; block = block.next()) {
        // The break before this block lies inside the selection.
        if (block.position() > from && !carriesOnLine(block))
            text += lineEnd;
        const int start = std::max(from - block.position(), 0);
        const int end = std::min(to - block.position(), block.length() - 1);
        text += QStringView(block.text()).mid(start, end - start);
    }
    text.replace(QChar::LineSeparator, lineEnd);
    return text;
}

LongLineBox::LongLineBox(QWidget *parent)
    : QPlainTextEdit(parent)
{}

QMimeData *LongLineBox::createMimeDataFromSelection() const
{
    auto *mime = new QMimeData;
    mime->setText(joinedSelection(textCursor(), crLf));
    return mime;
}

} // namespace ui
