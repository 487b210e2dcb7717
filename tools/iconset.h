#pragma once

#include <QList>
#include <QString>

namespace tools {

// Writes the program's icon as a hicolor theme tree under `themeDir`:
// scalable/apps/NAME.svg and SIZExSIZE/apps/NAME.png for each size, all painted by the one
// drawing the windows use. Returns an empty string, or what went wrong.
QString writeIconSet(const QString &themeDir, const QString &name, const QList<int> &sizes);

QString scalableIconPath(const QString &themeDir, const QString &name);
QString pixelIconPath(const QString &themeDir, const QString &name, int size);

} // namespace tools
