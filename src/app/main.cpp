#include "app/mainwindow.h"
#include "app/options.h"
#include "serial/qtserialport.h"
#include "ui/messages.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sketra"));
    QApplication::setApplicationVersion(QStringLiteral("1.3.1"));

    const app::Options options = app::parseOptions(QApplication::arguments());
    if (options.exitNow) {
        std::fputs(options.output.toLocal8Bit().constData(), options.exitCode ? stderr : stdout);
        return options.exitCode;
    }

    serial::PortMap ports = serial::PortMap::discover();
    for (auto it = options.ports.cbegin(); it != options.ports.cend(); ++it)
        ports.assign(it.key(), it.value());

    serial::QtSerialPort port(ports);
    ui::MessageBoxes messages;
    app::Main window(port, messages);
    messages.setParent(&window);
    QObject::connect(&window, &app::Main::exitRequested, &application, &QApplication::quit,
                     Qt::QueuedConnection);
    window.show();
    return QApplication::exec();
}
