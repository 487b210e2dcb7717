#include "ui/terminalline.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

#include <limits>

namespace ui {

TerminalLine::TerminalLine(QWidget *parent)
    : QLineEdit(parent)
{
    setObjectName(QStringLiteral("txmText"));
    setAccessibleName(QStringLiteral("Terminal line"));
    // Long frames (a whole LCD write) must fit; the default would cut them at 32,767.
    setMaxLength(std::numeric_limits<int>::max());
}

void TerminalLine::keyPressEvent(QKeyEvent *event)
{
    // Tab moves the focus and is no character for the board.
    const bool focusKey = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (!event->text().isEmpty() && !focusKey)
        emit typed(event->text().toUtf8());
    QLineEdit::keyPressEvent(event);
}

void TerminalLine::inputMethodEvent(QInputMethodEvent *event)
{
    if (!event->commitString().isEmpty())
        emit typed(event->commitString().toUtf8());
    QLineEdit::inputMethodEvent(event);
}

} // namespace ui
