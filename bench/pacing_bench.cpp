// Pacing accuracy through a real pseudo-terminal: the main window's `send` transmits circle
// frames through the production Qt port while a reader on the far side timestamps every byte.
//
// For each delay it reports, over every pause before a wait character:
// - "sent min": the shortest pause as made by `send`, from the moment the byte before it was
//   handed to the driver to the moment the wait character was (never below zero);
// - the error of each pause as the reader saw it (seen gap minus the delay asked for): its
//   minimum, median, 99th percentile and maximum. On a pseudo-terminal a kernel worker hands
//   bytes to the reader, so a byte handed over a little late makes the pause after it look
//   that much shorter and the one before it that much longer;
// - the time `send` spent beyond its pauses, per frame (median).
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

using Clock = std::chrono::steady_clock;
using Ms = std::chrono::duration<double, std::milli>;

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
    QByteArray readAll() override { return m_port.readAll(); }

    serial::PortResult write(const QByteArray &bytes) override
    {
        const auto result = m_port.write(bytes);
        handedOver.insert(handedOver.end(), bytes.size(), Clock::now());
        return result;
    }

    std::vector<Clock::time_point> handedOver;

private:
    serial::Port &m_port;
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
    serial::QtSerialPort qtPort(map);
    TimestampingPort port(qtPort);
    SilentMessages messages;
    app::Main window(port, messages);
    window.findChild<QAbstractButton *>(QStringLiteral("cmdCom"))->click();
    if (!port.isOpen())
        return 1;

    const std::string frame = "]c]402014";
    const int pausesPerFrame = 2;
    std::printf("%-8s %7s %12s %12s %12s %12s %12s %15s\n", "delay", "pauses", "sent min",
                "seen min", "seen median", "seen p99", "seen max", "overhead/frame");
    for (const Run run : {Run{5, 300}, Run{20, 150}, Run{200, 20}}) {
        window.setTransmitDelay(QString::number(run.delayMs));
        peer.clear();
        port.handedOver.clear();
        std::vector<double> overheads;
        for (int i = 0; i < run.frames; ++i) {
            const auto start = Clock::now();
            window.send(QString::fromStdString(frame));
            const Ms spent = Clock::now() - start;
            overheads.push_back(spent.count() - pausesPerFrame * run.delayMs);
        }
        const auto arrivals = peer.waitFor(frame.size() * run.frames, std::chrono::seconds(10));
        if (arrivals.size() != port.handedOver.size()) {
            std::fprintf(stderr, "the reader saw %zu bytes of %zu\n", arrivals.size(),
                         port.handedOver.size());
            return 1;
        }
        std::vector<double> sent;
        std::vector<double> seen;
        for (std::size_t i = 1; i < arrivals.size(); ++i) {
            if (arrivals[i].byte != ']')
                continue;
            sent.push_back(Ms(port.handedOver[i] - port.handedOver[i - 1]).count() - run.delayMs);
            seen.push_back(Ms(arrivals[i].at - arrivals[i - 1].at).count() - run.delayMs);
        }
        std::printf("%5d ms %7zu %9.3f ms %9.3f ms %9.3f ms %9.3f ms %9.3f ms %12.3f ms\n",
                    run.delayMs, seen.size(), percentile(sent, 0), percentile(seen, 0),
                    percentile(seen, 0.5), percentile(seen, 0.99), percentile(seen, 1),
                    percentile(overheads, 0.5));
    }
    return 0;
}
