// Renders the README's and the software centre's screenshots: the main window and the
// simulated board's window after Sketra has drawn on the board through the real serial code.
// Run it through scripts/render-screenshots, which picks the offscreen platform.
//   render-screenshots DIR

#include "app/mainwindow.h"
#include "board/boardwindow.h"
#include "board/simulatedboard.h"
#include "serial/qtserialport.h"
#include "ui/messages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QThread>

#include <cstdio>

namespace {

// A little of everything the firmware draws: a framed title, a bar chart on its axes, and a
// circle around a star and a diamond.
const char *const frames[] = {
        "]k",
        "]r]007f003f]1]0000",
        "]h]0604]S]k]e]t]r]a]@",
        "]y]103808]4",
        "]x]084438]8",
        "]b]0c132a37]1",
        "]b]181f1e37]3",
        "]b]242b2437]2",
        "]b]30371637]4",
        "]c]5c2414",
        "]t]5c240f",
        "]q]5c2407",
};

class PrintedMessages final : public ui::Messages
{
public:
    void show(const QString &text, const QString &details = {}) override
    {
        std::fprintf(stderr, "render-screenshots: %s %s\n", qPrintable(text), qPrintable(details));
        ++shown;
    }
    int shown = 0;
};

bool waitFor(const std::function<bool()> &done)
{
    const QDeadlineTimer deadline(10000);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    return true;
}

bool save(QWidget &window, const QDir &dir, const char *file)
{
    const QString path = dir.filePath(QString::fromLatin1(file));
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "render-screenshots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("shots"));
    if (!QDir().mkpath(dir.path())) {
        std::fprintf(stderr, "render-screenshots: cannot create %s\n", qPrintable(dir.path()));
        return 1;
    }

    board::SimulatedBoard simulated;
    std::string error;
    if (!simulated.start(&error)) {
        std::fprintf(stderr, "render-screenshots: no simulated board: %s\n", error.c_str());
        return 1;
    }
    serial::PortMap ports;
    ports.assign(1, QString::fromStdString(simulated.devicePath()));
    serial::QtSerialPort port(ports);
    PrintedMessages messages;
    serial::SteadyClock clock;
    serial::BoardConnection connection(port, clock);
    app::Main main(connection, messages);
    main.show();
    board::BoardWindow boardWindow(simulated);
    boardWindow.show();

    main.findChild<QAbstractButton *>(QStringLiteral("cmdCom"))->click();
    int sent = 0;
    for (const char *frame : frames) {
        main.send(QString::fromLatin1(frame));
        ++sent;
    }
    const bool answered
            = waitFor([&] { return main.receivedText().count(QStringLiteral("Ready:")) >= sent; });
    if (!answered || messages.shown > 0) {
        std::fprintf(stderr, "render-screenshots: the board did not carry out every frame:\n%s\n",
                     qPrintable(main.receivedText()));
        return 1;
    }
    boardWindow.refresh();
    QApplication::processEvents();
    return save(main, dir, "main-window.png") && save(boardWindow, dir, "simulated-board.png") ? 0
                                                                                               : 1;
}
