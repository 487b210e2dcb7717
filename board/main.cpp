// sketra-board: the simulated Korvel board as a program of its own, reached through the
// pseudo-terminal whose path it prints.
#include "board/boardwindow.h"
#include "board/simulatedboard.h"

#include <QApplication>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

constexpr const char *usage
        = "Usage: sketra-board [--headless] [--timing] [--link PATH] [--misdraw LETTER]\n"
          "\n"
          "Runs a simulated Korvel board with its demo firmware behind a pseudo-terminal,\n"
          "prints the terminal's path and logs every command it carries out.\n"
          "Open the path with any serial terminal, or run: sketra --port 1=PATH\n"
          "\n"
          "  --headless   no window; stop with Ctrl+C\n"
          "  --timing     model the board's speed: a two-character receive buffer, time per\n"
          "               command and the line's rate; characters that overflow are lost\n"
          "  --link PATH  also make PATH a symbolic link to the terminal while the board runs\n"
          "  --misdraw LETTER\n"
          "               for testing board checks: draw the command LETTER (one of\n"
          "               bcdefijklpqrstuxy) three pixels right of where it belongs;\n"
          "               replies are unchanged\n"
          "  --help       show this text\n";

// The commands that draw: those --misdraw can make draw wrong.
constexpr const char *drawingLetters = "bcdefijklpqrstuxy";

struct Options
{
    bool headless = false;
    bool timing = false;
    std::string link;
    char misdrawn = 0;
};

bool parse(int argc, char **argv, Options *options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--headless") {
            options->headless = true;
        } else if (argument == "--timing") {
            options->timing = true;
        } else if (argument == "--link" && i + 1 < argc) {
            options->link = argv[++i];
        } else if (argument == "--misdraw" && i + 1 < argc && std::strlen(argv[i + 1]) == 1
                   && std::strchr(drawingLetters, argv[i + 1][0]) != nullptr) {
            options->misdrawn = argv[++i][0];
        } else {
            return false;
        }
    }
    return true;
}

void waitForStopSignal()
{
    sigset_t stopping;
    sigemptyset(&stopping);
    sigaddset(&stopping, SIGINT);
    sigaddset(&stopping, SIGTERM);
    int signal = 0;
    sigwait(&stopping, &signal);
}

void blockStopSignals()
{
    // Blocked before the board's thread starts, so that only sigwait sees them.
    sigset_t stopping;
    sigemptyset(&stopping);
    sigaddset(&stopping, SIGINT);
    sigaddset(&stopping, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopping, nullptr);
}

} // namespace

int main(int argc, char **argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--help") {
            std::cout << usage;
            return 0;
        }
    }
    if (!parse(argc, argv, &options)) {
        std::cerr << usage;
        return 2;
    }
    if (options.headless)
        blockStopSignals();

    board::BoardOptions boardOptions;
    boardOptions.timing = options.timing;
    boardOptions.misdrawn = options.misdrawn;
    boardOptions.onCommand = [](const std::string &line) {
        std::cout << line << std::endl;
    };
    board::SimulatedBoard board(boardOptions);
    std::string error;
    if (!board.start(&error)) {
        std::cerr << "sketra-board: cannot open a pseudo-terminal: " << error << '\n';
        return 1;
    }
    if (!options.link.empty() && ::symlink(board.devicePath().c_str(), options.link.c_str()) != 0) {
        std::perror(("sketra-board: " + options.link).c_str());
        options.link.clear();
    }
    std::cout << "Korvel board (simulated) on " << board.devicePath()
              << (options.timing ? ", timing model on" : "")
              << (options.misdrawn ? ", drawing one command wrong" : "") << std::endl;

    int status = 0;
    if (options.headless) {
        waitForStopSignal();
    } else {
        QApplication app(argc, argv);
        QApplication::setDesktopFileName(QStringLiteral(SKETRA_APP_ID));
        board::BoardWindow window(board);
        window.show();
        status = app.exec();
    }
    if (!options.link.empty())
        ::unlink(options.link.c_str());
    return status;
}
