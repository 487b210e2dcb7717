#pragma once

#include "protocol/memoryframes.h"
#include "protocol/refusal.h"
#include "ui/controls.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QPlainTextEdit;
class QRadioButton;
class QWidget;

namespace ui {
class CommandLink;
class Messages;
} // namespace ui

namespace memory {

// The multi-line boxes of these pages read back with CR LF line ends, as the receive window
// does, so that what a person copies from one and pastes into another round-trips.
QString memoText(const QPlainTextEdit *memo);
void setMemoText(QPlainTextEdit *memo, const QString &text);

using ui::control;

// One of these pages' multi-line boxes, by its fixed name. Tab moves on to the next control
// in the page's order, as in the single-line boxes: a tab is no part of hex text.
QPlainTextEdit *memoBox(const QObject &pages, const char *name);

// A read page's "&Read": the port-open guard, then, when the boxes make a frame, "CLICK HERE"
// in the result box, the receive window emptied and the frame sent; otherwise the message
// naming the box, and nothing changes.
void requestRead(ui::CommandLink &link, ui::Messages &messages, QPlainTextEdit *result,
                 const std::function<protocol::Encoded()> &build);

// Each time the focus leaves a read page's "&Read", whatever the board has answered so far
// goes into the result box, without its closing trailer.
void collectReplies(QWidget *readButton, ui::CommandLink &link, QPlainTextEdit *result);

// The EEPROM a page's two option buttons choose; with neither selected, nothing, after
// "Please select Internal or External EEprom".
std::optional<protocol::Eeprom> chosenEeprom(const QRadioButton *external,
                                             const QRadioButton *internal, ui::Messages &messages);

// Why `count` bytes from address `start` do not fit the EEPROM, naming them as `what` (a file,
// or the text of a box); empty when they fit.
QString eepromOverflow(const QString &what, protocol::Eeprom memory, std::uint64_t start,
                       std::uint64_t count);

// A write page's "&Paste": the clipboard's text replaces the box's, and an empty result says
// "Nothing to paste!". True when text arrived.
bool pasteInto(QPlainTextEdit *memo, ui::Messages &messages);

// Letters typed into `memo` arrive in lower case; pasted text keeps its case.
void lowerCaseTyping(QPlainTextEdit *memo);

} // namespace memory
