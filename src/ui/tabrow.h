#pragma once

#include <QTabBar>

namespace ui {

// One row of the tab control's captions: a standard tab bar that may hold no current caption
// while another row does. It ends in a hidden tab that is current in that case; neither the
// eye nor a screen reader ever meets that tab.
class TabRow : public QTabBar
{
    Q_OBJECT
public:
    explicit TabRow(const QStringList &captions, QWidget *parent = nullptr);

    int captionCount() const { return count() - 1; }
    // Makes caption `tab` of this row current, or none for -1, without signalling.
    void select(int tab);
};

} // namespace ui
