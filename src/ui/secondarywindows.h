#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace ui {

class AboutWindow;
class HelpWindow;

// The Help and About windows of the main window: each exists at most once, neither is modal.
class SecondaryWindows : public QObject
{
    Q_OBJECT
public:
    explicit SecondaryWindows(QWidget *owner);

    // Builds the Help window the first time; afterwards shows the same one again.
    void showHelp();
    // Builds the About window unless one is open; one closed by "OK" is never shown again.
    void showAbout();
    void closeAll();

private:
    QWidget *m_owner;
    QPointer<HelpWindow> m_help;
    QPointer<AboutWindow> m_about;
};

} // namespace ui
