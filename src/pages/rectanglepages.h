#pragma once

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

} // namespace pages
