#pragma once

#include "protocol/defaults.h"

#include <QMap>
#include <QString>
#include <QStringList>

namespace app {

struct Options
{
    QMap<int, QString> ports; // --port N=DEVICE
    bool simulate = false;    // --simulate: port 1 is a simulated board
    bool boardTiming = false; // --board-timing: that board keeps a real one's pace
    // --send FILE: send each line of FILE ("-": standard input) as a frame, without a window.
    QString sendFile;
    // --check-board: run the board check suite; --find-pacing: find the fastest safe pacing;
    // --report DIR: write what they found to DIR/index.html. All without a window.
    bool checkBoard = false;
    bool findPacing = false;
    QString reportFolder;
    QString settings = QLatin1String(protocol::defaultSettings); // --settings
    int delayMs = protocol::defaultDelayMs;                      // --delay
    QString waitChar = QLatin1String(protocol::defaultWaitChar); // --wait-char
    int timeoutMs = 5000; // --timeout: the longest quiet per frame
    bool exitNow = false; // --help or --version answered, or the options were wrong
    int exitCode = 0;
    QString output; // what to print before exiting
};

Options parseOptions(const QStringList &arguments);

} // namespace app
