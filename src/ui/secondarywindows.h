#pragma once

#include <QObject>

class QWidget;

namespace ui {

// The Help and About windows of the main window: each exists at most once, neither is modal.
class SecondaryWindows : public QObject
{
    Q_OBJECT
public:
    explicit SecondaryWindows(QWidget *owner);

    void showHelp();
    void showAbout();
    void closeAll();

private:
    QWidget *m_owner;
};

} // namespace ui
