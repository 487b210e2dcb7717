// The receive window under load, in two parts.
//
// 1. Cost of one poll tick as the history grows, as the board's lines and as one line without
//    a break: a tick must cost the same with a short
//    history as with a long one. One tick is what the board can send in one 50 ms poll at the
//    fastest listed rate (56000 baud: 280 characters), appended the way the poll appends it
//    and followed by the repaint. Prints the median and 99th percentile tick at each history
//    size, in processor time and in wall time, and the median's ratio to the first. Target:
//    flat, median under 1 ms.
// 2. The display capture waiting for its answer, with 0.1 and 10 MB in the receive window:
//    one tick's worth of the answer handed to it as it arrives, and its own 50 ms timer. Its
//    cost must not grow with the receive window's history, which it never reads.
// 3. Sustained intake at ten times the fastest listed rate (560000 baud: 56000 characters a
//    second) for 20 seconds, written into a pseudo-terminal the main window has open as its
//    port, read by its own poll. Every 100 ms it compares what has been written with what the
//    window shows; the lag must not grow, and at the end everything must be shown.
#include "app/mainwindow.h"
#include "memory/memorypages.h"
#include "protocol/lineends.h"
#include "serial/qtserialport.h"
#include "support/ptypeer.h"
#include "ui/commandlink.h"
#include "ui/messages.h"
#include "ui/pagetabs.h"
#include "ui/receivewindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int fastestRate = 56000;
constexpr int pollMs = 50;
constexpr int bitsPerCharacter = 10;

class SilentMessages final : public ui::Messages
{
public:
    void show(const QString &text, const QString &) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
};

// A line as the board sends it, ended by a carriage return only.
const QByteArray boardLine = "0123456789abcdef0123456789abcdef0123456789abcdef0123456789Ready:\r";

// Such lines, `size` characters in all.
QByteArray boardText(int size)
{
    return boardLine.repeated(size / boardLine.size() + 1).left(size);
}

double percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    const auto at
            = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1) + 0.5);
    return values[at];
}

// Time this thread has spent on a processor: the cost of a tick, whatever else the machine
// is running (the wall time beside it includes waiting for a turn).
double threadCpuMicros()
{
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e6 + double(now.tv_nsec) / 1e3;
}

// `boardLine` repeated: the board's lines, or one line without a break when `unbroken`.
void tickCost(bool unbroken)
{
    ui::ReceiveWindow window;
    window.resize(400, 200);
    window.show();
    const int tickSize = fastestRate / bitsPerCharacter * pollMs / 1000;
    const QByteArray brokenLine = unbroken ? boardLine.chopped(1) : boardLine;
    const QByteArray tick = brokenLine.repeated(tickSize / brokenLine.size() + 1).left(tickSize);
    const QByteArray line
            = QByteArray::fromStdString(protocol::normaliseLineEnds(brokenLine.toStdString()));
    constexpr int fillerLines = 1000;
    const QByteArray filler = line.repeated(fillerLines);
    const QString placeholder = QStringLiteral("Waiting.....");

    std::printf("\nOne poll tick of %d characters (56000 baud, 50 ms), appended and repainted, "
                "%s\n",
                tickSize, unbroken ? "all of it one line without a break" : "the board's lines");
    std::printf("%14s %12s %12s %8s %12s %12s\n", "history bytes", "cpu med us", "cpu p99 us",
                "ratio", "wall med us", "wall p99 us");
    double first = 0;
    const auto targets = unbroken ? std::vector<int>{10'000, 100'000, 1'000'000, 10'000'000}
                                  : std::vector<int>{100'000, 1'000'000, 5'000'000, 10'000'000};
    for (int target : targets) {
        for (int history = 0; (history = window.document()->characterCount()) < target;) {
            const int lines = std::min(fillerLines, int((target - history) / line.size()) + 1);
            window.appendReceived(filler.left(lines * line.size()));
        }
        QApplication::processEvents();
        const int history = window.document()->characterCount();
        std::vector<double> ticks;
        std::vector<double> cpu;
        for (int i = 0; i < 200; ++i) {
            const auto start = Clock::now();
            const double startCpu = threadCpuMicros();
            // What the poll does with a tick's bytes.
            if (window.holds(placeholder))
                window.setText({});
            window.appendReceived(
                    QByteArray::fromStdString(protocol::normaliseLineEnds(tick.toStdString())));
            QApplication::processEvents(); // the repaint a real tick is followed by
            ticks.push_back(
                    std::chrono::duration<double, std::micro>(Clock::now() - start).count());
            cpu.push_back(threadCpuMicros() - startCpu);
        }
        const double median = percentile(cpu, 0.5);
        first = first == 0 ? median : first;
        std::printf("%14d %12.1f %12.1f %8.2f %12.1f %12.1f\n", history, median,
                    percentile(cpu, 0.99), median / first, percentile(ticks, 0.5),
                    percentile(ticks, 0.99));
    }
}

bool sustainedIntake()
{
    constexpr int rate = 10 * fastestRate / bitsPerCharacter; // characters a second
    constexpr auto duration = std::chrono::seconds(20);
    testing_support::PtyPeer peer;
    if (!peer.ok()) {
        std::fprintf(stderr, "no pseudo-terminal\n");
        return false;
    }
    serial::PortMap map;
    map.assign(1, QString::fromStdString(peer.devicePath()));
    serial::QtSerialPort port(map);
    SilentMessages messages;
    serial::SteadyClock clock;
    serial::BoardConnection connection(port, clock);
    app::Main window(connection, messages);
    window.show();
    window.findChild<QAbstractButton *>(QStringLiteral("cmdCom"))->click();
    auto *receive = window.findChild<ui::ReceiveWindow *>(QStringLiteral("rcvText"));
    if (!port.isOpen() || !receive)
        return false;

    // The board's side: a chunk every 10 ms, on schedule.
    std::atomic<long> written{0};
    std::atomic<bool> finished{false};
    const auto start = Clock::now();
    std::thread board([&] {
        constexpr auto step = std::chrono::milliseconds(10);
        const QByteArray chunk = boardText(rate / 100);
        for (auto next = start; next < start + duration; next += step) {
            std::this_thread::sleep_until(next);
            peer.answer(chunk.toStdString());
            written += chunk.size();
        }
        finished = true;
    });

    // Characters shown: the whole document less its final paragraph mark, once the
    // placeholder has gone.
    const auto shown = [&] {
        return receive->holds(QStringLiteral("Waiting....."))
                       ? 0
                       : receive->document()->characterCount() - 1;
    };
    std::vector<double> lagMs;
    QTimer sample;
    sample.setInterval(100);
    QObject::connect(&sample, &QTimer::timeout, [&] {
        lagMs.push_back(1000.0 * double(written - shown()) / rate);
        if (finished && shown() >= written)
            QApplication::quit();
        if (Clock::now() > start + duration + std::chrono::seconds(10))
            QApplication::quit(); // fell behind for good
    });
    sample.start();
    QApplication::exec();
    board.join();

    const long total = written;
    const long seen = shown();
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    const std::size_t half = lagMs.size() / 2;
    const std::vector<double> early(lagMs.begin(), lagMs.begin() + long(half));
    const std::vector<double> late(lagMs.begin() + long(half), lagMs.end());
    std::printf("\nSustained intake at 560000 baud-equivalent (%d characters a second) for %lld "
                "s\n",
                rate, static_cast<long long>(duration.count()));
    std::printf("written %ld, shown %ld, all shown after %.2f s\n", total, seen, seconds);
    std::printf("lag behind the writer: median %.1f ms, max %.1f ms; first half median %.1f "
                "ms, second half median %.1f ms (one poll is %d ms)\n",
                percentile(lagMs, 0.5), percentile(lagMs, 1), percentile(early, 0.5),
                percentile(late, 0.5), pollMs);
    return seen == total;
}

} // namespace

// A link to the board whose receive window holds `history` characters, and which only ever
// takes the frames the capture sends.
class HistoryLink final : public ui::CommandLink
{
public:
    explicit HistoryLink(int history)
        : m_received(QString::fromLatin1(boardText(history)))
    {}
    bool guardOpen() override { return true; }
    bool send(const QString &) override { return true; }
    QString transmitDelay() const override { return QStringLiteral("20"); }
    void setTransmitDelay(const QString &) override {}
    QString receivedText() const override { return m_received; }
    void clearReceived() override { m_received.clear(); }
    ui::BoardFeed &feed() override { return m_feed; }

private:
    QString m_received;
    ui::BoardFeed m_feed;
};

void captureCost()
{
    const int tickSize = fastestRate / bitsPerCharacter * pollMs / 1000;
    const QByteArray answer = QByteArray("01").repeated(1024) + "Ready:\r";
    std::printf("\nThe display capture: one tick of its answer (%d characters) taken as it "
                "arrives, and its timer\n",
                tickSize);
    std::printf("%14s %12s %12s %8s\n", "history bytes", "cpu med us", "cpu p99 us", "ratio");
    double first = 0;
    for (int history : {100'000, 10'000'000}) {
        HistoryLink link(history);
        SilentMessages messages;
        ui::PageTabs tabs(link, messages);
        memory::MemoryPages pages(tabs, link, messages);
        auto *capture = tabs.findChild<QAbstractButton *>(QStringLiteral("cmdlcdcapture"));
        std::vector<double> cpu;
        for (int run = 0; run < 50; ++run) {
            capture->click();
            for (qsizetype at = 0; at < answer.size(); at += tickSize) {
                const double start = threadCpuMicros();
                emit link.feed().received(answer.mid(at, tickSize));
                QApplication::processEvents(); // the capture's own timer, when it is due
                cpu.push_back(threadCpuMicros() - start);
            }
            for (QWidget *window : QApplication::topLevelWidgets())
                window->hide(); // the capture's picture
        }
        const double median = percentile(cpu, 0.5);
        first = first == 0 ? median : first;
        std::printf("%14d %12.1f %12.1f %8.2f\n", history, median, percentile(cpu, 0.99),
                    median / first);
    }
}

namespace {

// The offscreen platform warns each time the capture raises its picture; fifty captures would
// bury the tables in those lines.
QtMessageHandler qtMessageHandler = nullptr;

void dropRaiseWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.contains(QLatin1String("does not support raise()")))
        qtMessageHandler(type, context, message);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    qtMessageHandler = qInstallMessageHandler(dropRaiseWarnings);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    tickCost(false);
    tickCost(true);
    captureCost();
    return sustainedIntake() ? 0 : 1;
}
