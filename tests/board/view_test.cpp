// The board's window and display widget, and Qt's own serial port on the board's terminal.
#include "board/boardwindow.h"
#include "board/lcdview.h"
#include "board/simulatedboard.h"

#include <QAction>
#include <QElapsedTimer>
#include <QImage>
#include <QPlainTextEdit>
#include <QSerialPort>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

board::LcdMemory withPixel(int x, int y)
{
    board::LcdMemory memory{};
    memory[static_cast<std::size_t>((y / 8) * 128 + x)] = static_cast<std::uint8_t>(1u << (y % 8));
    return memory;
}

TEST(LcdView, ZoomIsTheLargestWholeScaleThatFits)
{
    board::LcdView view;
    view.setAttribute(Qt::WA_DontShowOnScreen);
    const struct
    {
        int width, height, zoom;
    } rows[] = {{134, 70, 1},
                {50, 30, 1},
                {3 * 134, 3 * 70, 3},
                {3 * 134 + 100, 3 * 70, 3},
                {1000, 2 * 70 + 69, 2}};
    for (const auto &row : rows) {
        view.resize(row.width, row.height);
        EXPECT_EQ(view.zoom() / static_cast<int>(view.devicePixelRatioF()), row.zoom)
                << row.width << "x" << row.height;
    }
}

TEST(LcdView, ImageShowsLitPixelsDarkOnTheGlass)
{
    board::LcdView view;
    view.setMemory(withPixel(0, 0));
    const QImage image = view.image(2);
    EXPECT_EQ(image.size(), QSize(2 * 134, 2 * 70));
    const QColor on = image.pixelColor(2 * 3, 2 * 3);
    const QColor off = image.pixelColor(2 * 4, 2 * 3);
    EXPECT_EQ(image.pixelColor(2 * 3 + 1, 2 * 3 + 1), on);
    EXPECT_LT(on.lightness(), off.lightness());
    EXPECT_FALSE(view.accessibleName().isEmpty());
}

TEST(LcdView, SaveImageWritesThePngToTheChosenPathOnly)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lcd.png"));
    board::LcdView view;
    view.setMemory(withPixel(5, 5));

    view.setPathAsker([](QWidget *) { return QString(); });
    view.saveImageAction()->trigger();
    EXPECT_FALSE(QFile::exists(path)) << "an empty answer saves nothing";

    view.setPathAsker([&path](QWidget *) { return path; });
    view.saveImageAction()->trigger();
    QImage saved(path);
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved, view.image(view.zoom()));
}

TEST(LcdView, AnImageThatCannotBeSavedIsReported)
{
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("pipe.png"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    for (const QString &path : {QStringLiteral("/no/such/folder/lcd.png"), pipe}) {
        board::LcdView view;
        QStringList told;
        view.setProblemTeller([&told](QWidget *, const QString &text) { told.append(text); });
        view.setPathAsker([&path](QWidget *) { return path; });
        view.saveImageAction()->trigger(); // a pipe nobody reads: refused, not waited on
        ASSERT_EQ(told.size(), 1);
        EXPECT_TRUE(told.constFirst().contains(path));
    }
}

TEST(BoardWindow, ShowsWhatTheBoardDrawsAndLogs)
{
    board::SimulatedBoard board;
    board::BoardWindow window(board);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Korvel board (simulated)"));
    EXPECT_NE(window.view()->memory(), board::LcdMemory{}) << "the power-on logo";

    board.receive("]k]d]0102\r");
    window.refresh();
    EXPECT_EQ(window.view()->memory(), withPixel(1, 2));
    const auto *log = window.findChild<QPlainTextEdit *>(QStringLiteral("commandLog"));
    ASSERT_NE(log, nullptr);
    EXPECT_TRUE(log->toPlainText().contains(QStringLiteral("]d]0102  Ready:")));
}

TEST(QtSerialPort, OpensTheBoardsTerminalAtSketrasOddRates)
{
    board::SimulatedBoard board;
    std::string error;
    ASSERT_TRUE(board.start(&error)) << error;
    for (const int rate : {56000, 28800, 14400, 19200, 9600}) {
        QSerialPort port(QString::fromStdString(board.devicePath()));
        ASSERT_TRUE(port.open(QIODevice::ReadWrite)) << port.errorString().toStdString();
        ASSERT_TRUE(port.setBaudRate(rate)) << rate << ": " << port.errorString().toStdString();
        port.write("]d]0102\r");
        QByteArray reply;
        QElapsedTimer timer;
        timer.start();
        while (!reply.endsWith("Ready:\r") && timer.elapsed() < 2000) {
            if (port.waitForReadyRead(50))
                reply += port.readAll();
        }
        EXPECT_EQ(reply, QByteArray("Ready:\r")) << rate;
        EXPECT_EQ(board.baudRate(), rate);
    }
}

} // namespace
