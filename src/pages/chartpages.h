#pragma once

class QWidget;

namespace ui {
class CommandLink;
class Messages;
} // namespace ui

namespace pages {

// "Bar": `optbarv` decides which extent box runs along x; `Label70` reads "Length" for a lying
// bar and "Height" for a standing one, and its box is announced by the same word.
void attachBarPage(QWidget &pages, ui::CommandLink &link, ui::Messages &messages);

// "X-Axis" and "Y-Axis": one start, its far end, the other coordinate and the tick spacing.
void attachAxisPages(QWidget &pages, ui::CommandLink &link, ui::Messages &messages);

} // namespace pages
