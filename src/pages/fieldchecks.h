#pragma once

#include <span>

class QWidget;

namespace ui {
class Messages;
}

namespace pages {

// What a checked box must hold when it loses the focus.
enum class FieldRule {
    Range,    // its number, plus the number of `start` when it names one, within low..high
    NotEmpty, // any text at all, blanks included
};

// One box checked on every loss of focus: when its rule breaks, the message (none when empty),
// then the reset text.
struct FieldCheck
{
    const char *box;
    FieldRule rule;
    double low, high;
    const char *start; // the start box a length adds to; empty for none
    const char *message;
    const char *reset;
};

std::span<const FieldCheck> fieldChecks();

// Watches every box of `fieldChecks()`. A mouse press or a mnemonic on a button that took the
// focus from a box whose message has just been shown does not press the button: the person
// sees the message and the reset text first, and presses again.
void installFieldChecks(QWidget &pages, ui::Messages &messages);

} // namespace pages
