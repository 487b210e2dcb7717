#pragma once

#include <QObject>

class QLineEdit;
class QWidget;

namespace ui {
class CommandLink;
class Messages;
class PageTabs;
} // namespace ui

namespace pages {

// Circle, Square, Square45 and Star4: a centre, a size and one button, told apart by the
// command letter and the names of their controls.
struct ShapePageRow
{
    char letter;
    const char *button, *x, *y, *size;
};

class ShapePage : public QObject
{
public:
    ShapePage(const ShapePageRow &row, QWidget &pages, ui::CommandLink &link,
              ui::Messages &messages);

    void draw();

private:
    char m_letter;
    QLineEdit *m_x, *m_y, *m_size;
    ui::CommandLink &m_link;
    ui::Messages &m_messages;
};

// The four shape pages, and the double click on the tab control, which draws the Circle page's
// circle whichever page is showing.
void attachShapePages(ui::PageTabs &tabs, ui::CommandLink &link, ui::Messages &messages);

} // namespace pages
