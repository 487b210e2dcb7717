#pragma once

#include <QWidget>

#include <vector>

class QStackedWidget;

namespace ui {

class CommandLink;
class Messages;
class TabRow;

// The tab control `SSTab1`: the 21 pages of the main window, built from the layout tables.
// The captions stand in several rows of standard tab bars, all visible at once, over one
// stack of pages; exactly one caption across the rows is the current one.
class PageTabs : public QWidget
{
    Q_OBJECT
public:
    PageTabs(CommandLink &link, Messages &messages, QWidget *parent = nullptr);

    // The list selections the start-up routine makes.
    void selectStartupItems();

    int count() const;
    int currentIndex() const;
    void setCurrentIndex(int index);
    QString tabText(int index) const;
    QWidget *page(int index) const;

signals:
    void currentChanged(int index);
    // A double click on the captions or on a free part of a page, not on a control there.
    void doubleClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    struct Place
    {
        TabRow *row;
        int tab;
    };

    void buildRows();
    void step(int delta);
    bool onFreePart(QWidget *widget, const QPointF &position) const;

    CommandLink &m_link;
    Messages &m_messages;
    QStackedWidget *m_stack = nullptr;
    std::vector<TabRow *> m_rows;
    std::vector<Place> m_places; // where each page's caption sits
    int m_current = -1;
};

} // namespace ui
