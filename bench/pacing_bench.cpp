// Pacing accuracy through a real pseudo-terminal: the main window's `send` transmits circle
// frames through the production Qt port while a reader on the far side timestamps every byte.
// For each delay it reports the error of every pause the reader saw (seen gap minus the delay
// asked for) and the time `send` spent beyond its pauses, per frame.
#include "app/mainwindow.h"
#include "serial/qtserialport.h"
#include "support/ptypeer.h"
#include "ui/messages.h"

#include <QAbstractButton>
#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Ms = std::chrono::duration<double, std::milli>;

class SilentMessages final : public ui::Messages
{
public:
    void show(const QString &text, const QString &) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
};

double percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    const auto at
            = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1) + 0.5);
    return values[at];
}

struct Run
{
    int delayMs;
    int frames;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    testing_support::PtyPeer peer(true);
    if (!peer.ok()) {
        std::fprintf(stderr, "no pseudo-terminal\n");
        return 1;
    }
    serial::PortMap map;
    map.assign(1, QString::fromStdString(peer.devicePath()));
    serial::QtSerialPort port(map);
    SilentMessages messages;
    app::Main window(port, messages);
    window.findChild<QAbstractButton *>(QStringLiteral("cmdCom"))->click();
    if (!port.isOpen())
        return 1;

    const std::string frame = "]c]402014";
    const int pausesPerFrame = 2;
    std::printf("%-8s %7s %8s %13s %13s %13s %13s %16s\n", "delay", "pauses", "short", "min err ms",
                "median err ms", "p99 err ms", "max err ms", "overhead/frame");
    for (const Run run : {Run{5, 300}, Run{20, 150}, Run{200, 20}}) {
        window.setTransmitDelay(QString::number(run.delayMs));
        peer.clear();
        std::vector<double> overheads;
        for (int i = 0; i < run.frames; ++i) {
            const auto start = std::chrono::steady_clock::now();
            window.send(QString::fromStdString(frame));
            const Ms spent = std::chrono::steady_clock::now() - start;
            overheads.push_back(spent.count() - pausesPerFrame * run.delayMs);
        }
        const auto arrivals = peer.waitFor(frame.size() * run.frames, std::chrono::seconds(10));
        std::vector<double> errors;
        for (std::size_t i = 1; i < arrivals.size(); ++i) {
            if (arrivals[i].byte == ']')
                errors.push_back(Ms(arrivals[i].at - arrivals[i - 1].at).count() - run.delayMs);
        }
        const auto shorter = std::count_if(errors.begin(), errors.end(),
                                           [](double error) { return error < 0; });
        std::printf("%5d ms %7zu %8td %13.3f %13.3f %13.3f %13.3f %13.3f ms\n", run.delayMs,
                    errors.size(), shorter, percentile(errors, 0), percentile(errors, 0.5),
                    percentile(errors, 0.99), percentile(errors, 1), percentile(overheads, 0.5));
    }
    return 0;
}
