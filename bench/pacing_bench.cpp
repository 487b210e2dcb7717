// Pacing accuracy: the main window's `send` transmits circle frames through the production Qt
// port, and every pause before a wait character is measured at the far end, twice:
//
// 1. through a bare pseudo-terminal, where a reader on the far side timestamps every byte the
//    moment it sees it; a pseudo-terminal has no line, so each byte is then put on a line of
//    Sketra's rate from the moment it was seen, after the one before it;
// 2. as the simulated board sees it with its timing model on: its line brings characters no
//    faster than the rate Sketra set (19200 baud, 0.52 ms a character) and tells the time each
//    one arrived. The pause is the quiet on the line between the end of the character before
//    the wait character and the start of the wait character.
//
// For each delay it reports, over every pause:
// - "sent min": the shortest pause as made by `send`: the bytes put on such a line from the
//   moment each was handed to the driver, the quiet before the wait character (never below
//   zero);
// - the error of each pause as the far end saw it (seen pause minus the delay asked for): how
//   many were short, the minimum, median, 99th percentile and maximum. On a pseudo-terminal a
//   kernel worker hands bytes to the reader, so a byte handed over a little late makes the pause
//   after it look that much shorter and the one before it that much longer;
// - the time `send` spent beyond its pauses, per frame (median).
//
// Targets: never short, median under 0.3 ms, 99th percentile under 2 ms.
#include "app/mainwindow.h"
#include "board/simulatedboard.h"
#include "board/timing.h"
#include "serial/qtserialport.h"
#include "support/ptypeer.h"
#include "ui/messages.h"

#include <QAbstractButton>
#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Ms = std::chrono::duration<double, std::milli>;

constexpr int lineRate = 19200; // the settings the window starts with

class SilentMessages final : public ui::Messages
{
public:
    void show(const QString &text, const QString &) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
};

// The production port, noting when each byte was handed to the driver.
class TimestampingPort final : public serial::Port
{
public:
    explicit TimestampingPort(serial::Port &port)
        : m_port(port)
    {}

    void setPortNumber(int number) override { m_port.setPortNumber(number); }
    int portNumber() const override { return m_port.portNumber(); }
    QString deviceName(int number) const override { return m_port.deviceName(number); }
    void setSettings(const QString &settings) override { m_port.setSettings(settings); }
    QString settings() const override { return m_port.settings(); }
    serial::PortResult open() override { return m_port.open(); }
    void close() override { m_port.close(); }
    bool isOpen() const override { return m_port.isOpen(); }
    serial::PortResult drain() override { return m_port.drain(); }
    qsizetype queued() override { return m_port.queued(); }
    QByteArray readAll() override { return m_port.readAll(); }

    serial::PortResult write(const QByteArray &bytes, qsizetype &taken) override
    {
        const auto result = m_port.write(bytes, taken);
        handedOver.insert(handedOver.end(), taken, Clock::now());
        return result;
    }

    std::vector<Clock::time_point> handedOver;

private:
    serial::Port &m_port;
};

serial::PortMap portOneAt(const std::string &device)
{
    serial::PortMap map;
    map.assign(1, QString::fromStdString(device));
    return map;
}

// The main window on the production port to `device`, which it has opened as a user would.
struct Sketra
{
    Sketra(const std::string &device, ui::Messages &messages)
        : qtPort(portOneAt(device))
        , port(qtPort)
        , connection(port, clock)
        , window(connection, messages)
    {
        window.findChild<QAbstractButton *>(QStringLiteral("cmdCom"))->click();
    }

    serial::QtSerialPort qtPort;
    TimestampingPort port;
    serial::SteadyClock clock;
    serial::BoardConnection connection;
    app::Main window;
};

// A byte as the far end saw it, in milliseconds from any fixed moment.
struct Arrival
{
    double atMs;
    char byte;
};

// The far end: forgets what it saw, and waits for a number of bytes.
struct FarEnd
{
    const char *title;
    double characterMs; // how long a character takes on its line
    std::function<void()> clear;
    std::function<std::vector<Arrival>(std::size_t count)> waitFor;
    std::function<std::string()> note = [] {
        return std::string();
    }; // after each row
};

constexpr double lineCharacterMs = 10 * 1000.0 / lineRate;

// When each byte is through a line of Sketra's rate that it enters at `entered` (or once the
// byte before it is through).
std::vector<double> throughTheLine(const std::vector<double> &entered)
{
    std::vector<double> through;
    double free = entered.empty() ? 0 : entered.front();
    for (double at : entered)
        through.push_back(free = std::max(free, at) + lineCharacterMs);
    return through;
}

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

bool measure(app::Main &window, TimestampingPort &port, const FarEnd &farEnd)
{
    const std::string frame = "]c]402014";
    const int pausesPerFrame = 2;
    std::printf("\n%s\n", farEnd.title);
    std::printf("%-8s %6s %6s %11s %11s %11s %11s %11s %15s\n", "delay", "pauses", "short",
                "sent min", "seen min", "median", "p99", "max", "overhead/frame");
    for (const Run run : {Run{5, 300}, Run{20, 150}, Run{200, 20}}) {
        window.setTransmitDelay(QString::number(run.delayMs));
        farEnd.clear();
        port.handedOver.clear();
        std::vector<double> overheads;
        for (int i = 0; i < run.frames; ++i) {
            const auto start = Clock::now();
            window.send(QString::fromStdString(frame));
            const Ms spent = Clock::now() - start;
            overheads.push_back(spent.count() - pausesPerFrame * run.delayMs);
        }
        const auto arrivals = farEnd.waitFor(frame.size() * run.frames);
        if (arrivals.size() != port.handedOver.size()) {
            std::fprintf(stderr, "the far end saw %zu bytes of %zu\n", arrivals.size(),
                         port.handedOver.size());
            return false;
        }
        std::vector<double> handedOver;
        for (const auto at : port.handedOver)
            handedOver.push_back(Ms(at - port.handedOver.front()).count());
        const auto sentThrough = throughTheLine(handedOver);
        std::vector<double> sent;
        std::vector<double> seen;
        for (std::size_t i = 1; i < arrivals.size(); ++i) {
            if (arrivals[i].byte != ']')
                continue;
            sent.push_back(sentThrough[i] - lineCharacterMs - sentThrough[i - 1] - run.delayMs);
            const double quiet = arrivals[i].atMs - farEnd.characterMs - arrivals[i - 1].atMs;
            seen.push_back(quiet - run.delayMs);
        }
        const auto shortOnes
                = std::count_if(seen.begin(), seen.end(), [](double error) { return error < 0; });
        std::printf("%5d ms %6zu %6td %8.3f ms %8.3f ms %8.3f ms %8.3f ms %8.3f ms %12.3f ms\n",
                    run.delayMs, seen.size(), shortOnes, percentile(sent, 0), percentile(seen, 0),
                    percentile(seen, 0.5), percentile(seen, 0.99), percentile(seen, 1),
                    percentile(overheads, 0.5));
        if (const std::string note = farEnd.note(); !note.empty())
            std::printf("         %s\n", note.c_str());
    }
    return true;
}

bool overPseudoTerminal(SilentMessages &messages)
{
    testing_support::PtyPeer peer(true);
    if (!peer.ok()) {
        std::fprintf(stderr, "no pseudo-terminal\n");
        return false;
    }
    Sketra sketra(peer.devicePath(), messages);
    if (!sketra.port.isOpen())
        return false;
    const auto origin = Clock::now();
    return measure(sketra.window, sketra.port,
                   {"Through a pseudo-terminal (a reader at the far end timestamps each byte, "
                    "which then takes its time on a 19200 baud line)",
                    lineCharacterMs, [&] { peer.clear(); },
                    [&](std::size_t count) {
                        const auto read = peer.waitFor(count, std::chrono::seconds(10));
                        std::vector<double> seen;
                        for (const auto &byte : read)
                            seen.push_back(Ms(byte.at - origin).count());
                        const auto through = throughTheLine(seen);
                        std::vector<Arrival> arrivals;
                        for (std::size_t i = 0; i < read.size(); ++i)
                            arrivals.push_back({through[i], read[i].byte});
                        return arrivals;
                    }});
}

bool asTheBoardSeesIt(SilentMessages &messages)
{
    std::mutex mutex;
    std::vector<Arrival> heard;
    board::BoardOptions options;
    options.timing = true;
    options.realtime = true;
    options.onArrival = [&](char byte, std::chrono::microseconds at) {
        const std::lock_guard lock(mutex);
        heard.push_back({Ms(at).count(), byte});
    };
    board::SimulatedBoard simulated(options);
    std::string error;
    if (!simulated.start(&error)) {
        std::fprintf(stderr, "no simulated board: %s\n", error.c_str());
        return false;
    }
    Sketra sketra(simulated.devicePath(), messages);
    if (!sketra.port.isOpen())
        return false;
    const bool done = measure(
            sketra.window, sketra.port,
            {"As the simulated board sees it (timing model on, 19200 baud, its line's arrivals)",
             Ms(board::characterTime(lineRate)).count(),
             [&] {
                 const std::lock_guard lock(mutex);
                 heard.clear();
             },
             [&](std::size_t count) {
                 const auto deadline = Clock::now() + std::chrono::seconds(10);
                 for (;;) {
                     {
                         const std::lock_guard lock(mutex);
                         if (heard.size() >= count || Clock::now() > deadline)
                             return heard;
                     }
                     std::this_thread::sleep_for(std::chrono::milliseconds(5));
                 }
             },
             [&simulated, lostBefore = std::uint64_t(0)]() mutable {
                 // Characters that came while the two-character buffer was full.
                 const std::uint64_t lost = simulated.lostCharacters() - lostBefore;
                 lostBefore += lost;
                 return lost ? "the board lost " + std::to_string(lost) + " characters"
                             : std::string();
             }});
    return done;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    SilentMessages messages;
    return overPseudoTerminal(messages) && asTheBoardSeesIt(messages) ? 0 : 1;
}
