#pragma once

class QWidget;

namespace ui {
class Messages;
}

namespace pages {

// Every loss of focus of the eleven checked boxes runs its check: a broken rule shows its message,
// then resets the box; the PutChar position boxes are refilled with "0" without one. A mouse press
// or a mnemonic on a button that took the focus from a box whose message has just been shown does
// not press the button: the person sees the message and the reset text first, and presses again.
void installFieldChecks(QWidget &pages, ui::Messages &messages);

} // namespace pages
