#pragma once

#include <QWidget>

namespace ui {

class CommandLink;
class Messages;

// The tab control `SSTab1`: the 21 pages of the main window, built from the layout tables.
class PageTabs : public QWidget
{
    Q_OBJECT
public:
    PageTabs(CommandLink &link, Messages &messages, QWidget *parent = nullptr);

    // The list selections the start-up routine makes.
    void selectStartupItems();

private:
    CommandLink &m_link;
    Messages &m_messages;
};

} // namespace ui
