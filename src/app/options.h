#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

namespace app {

struct Options
{
    QMap<int, QString> ports; // --port N=DEVICE
    bool simulate = false;    // --simulate: port 1 is a simulated board
    bool boardTiming = false; // --board-timing: that board keeps a real one's pace
    bool exitNow = false;     // --help or --version answered, or the options were wrong
    int exitCode = 0;
    QString output; // what to print before exiting
};

Options parseOptions(const QStringList &arguments);

} // namespace app
