#include "app/mainwindow.h"
#include "app/options.h"
#include "app/scriptrunner.h"
#include "board/boardwindow.h"
#include "board/simulatedboard.h"
#include "serial/qtserialport.h"
#include "ui/messages.h"
#include "ui/screenfit.h"

#include <QApplication>

#include <cstdio>
#include <memory>

int main(int argc, char *argv[])
{
    // A script run needs no window, so no display either.
    if (app::asksForScript(argc, argv))
        return app::scriptMain(argc, argv);

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sketra"));
    QApplication::setApplicationVersion(QStringLiteral("1.3.1"));
    QApplication::setDesktopFileName(QStringLiteral(SKETRA_APP_ID));

    const app::Options options = app::parseOptions(QApplication::arguments());
    if (options.exitNow) {
        std::fputs(options.output.toLocal8Bit().constData(), options.exitCode ? stderr : stdout);
        return options.exitCode;
    }

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
    for (auto it = options.ports.cbegin(); it != options.ports.cend(); ++it)
        ports.assign(it.key(), it.value());

    serial::QtSerialPort port(ports);
    ui::MessageBoxes messages;
    app::Main window(port, messages);
    messages.setParent(&window);
    QObject::connect(&window, &app::Main::exitRequested, &application, &QApplication::quit,
                     Qt::QueuedConnection);
    window.show();

    // The board's window polls the board, so it goes before the board does.
    std::unique_ptr<board::BoardWindow> boardWindow;
    if (simulated) {
        boardWindow = std::make_unique<board::BoardWindow>(*simulated);
        ui::placeBeside(boardWindow.get(), &window);
        boardWindow->show();
    }
    return QApplication::exec();
}
