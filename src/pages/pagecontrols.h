#pragma once

#include <QLatin1String>
#include <QObject>

class QListWidget;

namespace pages {

// A control of the pages by its fixed object name. The layout tables build every name the
// pages use, so a miss is a programming error.
template<typename T>
T *control(const QObject &pages, const char *name)
{
    T *found = pages.findChild<T *>(QLatin1String(name));
    Q_ASSERT_X(found, "pages::control", name);
    return found;
}

// Ctrl+click and Ctrl+Space would leave a single-selection list with nothing selected; this
// list selects again what they took away.
void keepSelection(QListWidget *list);

} // namespace pages
