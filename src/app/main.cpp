#include "app/checkmode.h"
#include "app/mainwindow.h"
#include "app/options.h"
#include "app/scriptrunner.h"
#include "board/boardwindow.h"
#include "board/simulatedboard.h"
#include "serial/boardconnection.h"
#include "serial/clock.h"
#include "serial/qtserialport.h"
#include "ui/messages.h"
#include "ui/screenfit.h"

#include <QApplication>

#include <cstdio>
#include <iostream>
#include <memory>

namespace {

void nameProgram()
{
    QCoreApplication::setApplicationName(QStringLiteral("Sketra"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SKETRA_VERSION));
}

} // namespace

int main(int argc, char *argv[])
{
    app::Options options;
    {
        // The options are read before any window system is needed: --help, --version, a
        // mistake and a script run all work without a display, over SSH too.
        QCoreApplication reader(argc, argv);
        nameProgram();
        options = app::parseOptions(QCoreApplication::arguments());
        if (options.exitNow) {
            std::fputs(options.output.toLocal8Bit().constData(),
                       options.exitCode ? stderr : stdout);
            return options.exitCode;
        }
        if (!options.sendFile.isEmpty())
            return app::runScript(options, std::cout, std::cerr);
        if (options.checkBoard || options.findPacing)
            return app::runBoardCheck(options, std::cout, std::cerr);
    }

    QApplication application(argc, argv);
    nameProgram();
    QApplication::setDesktopFileName(QStringLiteral(SKETRA_APP_ID));

    serial::PortMap ports = serial::PortMap::discover();
    std::unique_ptr<board::SimulatedBoard> simulated;
    if (options.simulate) {
        board::BoardOptions boardOptions;
        boardOptions.timing = options.boardTiming;
        simulated = std::make_unique<board::SimulatedBoard>(boardOptions);
        std::string error;
        if (!simulated->start(&error)) {
            std::fprintf(stderr, "sketra: cannot start the simulated board: %s\n", error.c_str());
            return 1;
        }
        ports.assign(1, QString::fromStdString(simulated->devicePath()));
    }
    serial::QtSerialPort port(app::portsFor(options, ports));
    serial::SteadyClock clock;
    serial::BoardConnection connection(port, clock);
    ui::MessageBoxes messages;
    app::Main window(connection, messages);
    messages.setParent(&window);
    QObject::connect(&window, &app::Main::exitRequested, &application, &QApplication::quit,
                     Qt::QueuedConnection);

    // The board's window polls the board, so it goes before the board does.
    std::unique_ptr<board::BoardWindow> boardWindow;
    if (simulated) {
        boardWindow = std::make_unique<board::BoardWindow>(*simulated);
        ui::placeSideBySide(&window, boardWindow.get());
    }
    window.show();
    if (boardWindow)
        boardWindow->show();
    return QApplication::exec();
}
