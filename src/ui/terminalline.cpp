#include "ui/terminalline.h"

#include "ui/focusloss.h"

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
    ctrlTabMovesOn(this);
}

namespace {

// Keys that type a character for the board: letters, digits, signs, control characters
// (Ctrl+letter), Enter, Backspace and Escape. Editing, moving and function keys only work on
// the line, even where the platform gives them a text (Delete gives 7F), and Tab moves the
// focus.
bool typesCharacter(const QKeyEvent *event)
{
    if (event->text().isEmpty())
        return false;
    const int key = event->key();
    // Qt numbers the keys that are no character from Escape upward.
    if (key < Qt::Key_Escape || key == Qt::Key_unknown)
        return true;
    return key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter
           || key == Qt::Key_Backspace;
}

} // namespace

void TerminalLine::keyPressEvent(QKeyEvent *event)
{
    if (typesCharacter(event))
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
