// The receive window's cost per poll tick as its history grows: a tick must cost the same
// with a short history as with a long one. Prints the median tick at each history size and
// its ratio to the first.
#include "protocol/lineends.h"
#include "ui/receivewindow.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    ui::ReceiveWindow window;
    window.resize(400, 200);
    window.show();
    const QByteArray tick = QByteArray::fromStdString(
            protocol::normaliseLineEnds("0123456789abcdef0123456789abcdef\rReady:\r"));
    const QString placeholder = QStringLiteral("Waiting.....");

    std::printf("%14s %16s %8s\n", "history bytes", "median tick us", "ratio");
    double first = 0;
    for (int target : {10'000, 100'000, 1'000'000, 4'000'000}) {
        while (window.document()->characterCount() < target)
            window.appendReceived(tick.repeated(100));
        std::vector<double> ticks;
        for (int i = 0; i < 200; ++i) {
            const auto start = std::chrono::steady_clock::now();
            if (!window.holds(placeholder))
                window.appendReceived(tick);
            QApplication::processEvents(); // the repaint a real tick is followed by
            ticks.push_back(std::chrono::duration<double, std::micro>(
                                    std::chrono::steady_clock::now() - start)
                                    .count());
        }
        std::nth_element(ticks.begin(), ticks.begin() + 100, ticks.end());
        const double median = ticks[100];
        first = first == 0 ? median : first;
        std::printf("%14d %16.1f %8.2f\n", target, median, median / first);
    }
    return 0;
}
