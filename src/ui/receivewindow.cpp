#include "ui/receivewindow.h"

#include "ui/focusloss.h"
#include "ui/longlines.h"

#include <QScrollBar>

namespace ui {

ReceiveWindow::ReceiveWindow(QWidget *parent)
    : LongLineBox(parent)
{
    setObjectName(QStringLiteral("rcvText"));
    setAccessibleName(QStringLiteral("Receive window"));
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setUndoRedoEnabled(false);
    // No tab is ever part of what the board sent: Tab moves on, as from every other box.
    setTabChangesFocus(true);
    ctrlTabMovesOn(this);
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
