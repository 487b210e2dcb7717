#include "ui/receivewindow.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

namespace ui {

namespace {

const QString crLf = QStringLiteral("\r\n");

} // namespace

ReceiveWindow::ReceiveWindow(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setObjectName(QStringLiteral("rcvText"));
    setAccessibleName(QStringLiteral("Receive window"));
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setUndoRedoEnabled(false);
}

QString ReceiveWindow::text() const
{
    // The raw text keeps every received character (toPlainText would turn a no-break
    // space into a blank); blocks are joined by the paragraph separator.
    QString raw = document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, crLf);
    return raw;
}

void ReceiveWindow::setText(const QString &text)
{
    QString plain = text;
    plain.replace(crLf, QStringLiteral("\n"));
    setPlainText(plain);
}

bool ReceiveWindow::holds(const QString &text) const
{
    // Cheap before exact: the poll asks this on every tick.
    return document()->characterCount() - 1 == text.size() - text.count(crLf)
           && this->text() == text;
}

void ReceiveWindow::appendReceived(const QByteArray &bytes)
{
    QString chunk = QString::fromLatin1(bytes);
    chunk.replace(crLf, QStringLiteral("\n"));
    QScrollBar *vertical = verticalScrollBar();
    QScrollBar *horizontal = horizontalScrollBar();
    const int top = vertical->value();
    const int left = horizontal->value();
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    end.insertText(chunk);
    vertical->setValue(top);
    horizontal->setValue(left);
}

} // namespace ui
