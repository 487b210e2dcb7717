#pragma once

class QObject;

namespace ui {
class CommandLink;
class Messages;
} // namespace ui

namespace pages {

// The buttons of SetDot, ResetDot, PutByte, PutChar and FillScreen, found under `tabs`.
void attachDotPages(const QObject &tabs, ui::CommandLink &link, ui::Messages &messages);
// The "&Send" buttons of Horiz String and Vert String.
void attachStringPages(const QObject &tabs, ui::CommandLink &link, ui::Messages &messages);

} // namespace pages
