#include "ui/receivewindow.h"

#include "ui/longlines.h"

#include <QScrollBar>

namespace ui {

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
    return joinedText(this, QStringLiteral("\r\n"));
}

void ReceiveWindow::setText(const QString &text)
{
    setTextInPieces(this, text);
}

bool ReceiveWindow::holds(const QString &text) const
{
    return holdsText(this, text);
}

void ReceiveWindow::appendReceived(const QByteArray &bytes)
{
    QString chunk = QString::fromLatin1(bytes);
    chunk.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QScrollBar *vertical = verticalScrollBar();
    QScrollBar *horizontal = horizontalScrollBar();
    const int top = vertical->value();
    const int left = horizontal->value();
    appendInPieces(this, chunk);
    vertical->setValue(top);
    horizontal->setValue(left);
}

} // namespace ui
