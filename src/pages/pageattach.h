#pragma once

// What `DrawingPages` attaches to the table-built controls, page by page.

class QObject;
class QWidget;

namespace ui {
class CommandLink;
class Messages;
} // namespace ui

namespace pages {

// " Rectangle / Lines": the corners corrected into 0 to 255 in their boxes before drawing, and
// "Clear" usable only while "Fill" is ticked (its tick counts either way).
void attachRectanglePage(QWidget &pages, ui::CommandLink &link, ui::Messages &messages);

// "Line": refuses an end that lies left of or above the beginning.
void attachLinePage(QWidget &pages, ui::CommandLink &link, ui::Messages &messages);

// "Bar": `optbarv` decides which extent box runs along x; `Label70` reads "Length" for a lying
// bar and "Height" for a standing one, and its box is announced by the same word.
void attachBarPage(QWidget &pages, ui::CommandLink &link, ui::Messages &messages);

// "X-Axis" and "Y-Axis": one start, its far end, the other coordinate and the tick spacing.
void attachAxisPages(QWidget &pages, ui::CommandLink &link, ui::Messages &messages);

// The buttons of SetDot, ResetDot, PutByte, PutChar and FillScreen, found under `tabs`.
void attachDotPages(const QObject &tabs, ui::CommandLink &link, ui::Messages &messages);

// The "&Send" buttons of Horiz String and Vert String.
void attachStringPages(const QObject &tabs, ui::CommandLink &link, ui::Messages &messages);

} // namespace pages
