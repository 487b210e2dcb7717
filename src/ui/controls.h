#pragma once

#include <QLatin1String>
#include <QObject>

namespace ui {

// A control the layout tables built, found by its fixed name. The tables build every name the
// pages use, so a miss is a programming error.
template<typename T>
T *control(const QObject &root, const char *name)
{
    T *found = root.findChild<T *>(QLatin1String(name));
    Q_ASSERT_X(found, "ui::control", name);
    return found;
}

} // namespace ui
