#pragma once

#include "protocol/defaults.h"
#include "serial/portmap.h"

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
    int timeoutMs = protocol::defaultTimeoutMs; // --timeout: the longest quiet per frame
    bool exitNow = false; // --help or --version answered, or the options were wrong
    int exitCode = 0;
    QString output; // what to print before exiting
};

Options parseOptions(const QStringList &arguments);

// The port numbers' devices: those in `found`, with the ones --port gives in their place.
serial::PortMap portsFor(const Options &options, serial::PortMap found);
// The one port a mode without a window opens: the one --port names, else port 1.
int commandLinePort(const Options &options);

} // namespace app
