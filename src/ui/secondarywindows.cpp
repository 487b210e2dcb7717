#include "ui/secondarywindows.h"

#include <QWidget>

namespace ui {

SecondaryWindows::SecondaryWindows(QWidget *owner)
    : QObject(owner)
    , m_owner(owner)
{}

void SecondaryWindows::showHelp() {}

void SecondaryWindows::showAbout() {}

void SecondaryWindows::closeAll() {}

} // namespace ui
