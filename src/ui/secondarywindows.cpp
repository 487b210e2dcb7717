#include "ui/secondarywindows.h"

#include "ui/aboutwindow.h"
#include "ui/helpwindow.h"

namespace ui {

namespace {

void bringUp(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

SecondaryWindows::SecondaryWindows(QWidget *owner)
    : QObject(owner)
    , m_owner(owner)
{}

void SecondaryWindows::showHelp()
{
    if (!m_help)
        m_help = new HelpWindow(m_owner);
    bringUp(m_help);
}

void SecondaryWindows::showAbout()
{
    // A closed About window is only waiting for its deferred deletion: never show it again.
    if (!m_about || m_about->isHidden())
        m_about = new AboutWindow(m_owner);
    bringUp(m_about);
}

void SecondaryWindows::closeAll()
{
    delete m_help;
    delete m_about;
}

} // namespace ui
