#pragma once

#include "ui/commandlink.h"

#include <QStringList>

#include <functional>

namespace testing_support {

// Records the frames a page hands over; the port is open or closed as the test says.
class FakeLink final : public ui::CommandLink
{
public:
    bool guardOpen() override
    {
        ++guards;
        return open;
    }
    bool send(const QString &frame) override
    {
        frames.append(frame);
        if (whileSending)
            whileSending();
        return true;
    }
    QString transmitDelay() const override { return delay; }
    void setTransmitDelay(const QString &text) override { delay = text; }
    QString receivedText() const override { return received; }
    void clearReceived() override { received.clear(); }
    ui::BoardFeed &feed() override { return board; }

    bool open = true;
    int guards = 0;
    QStringList frames;
    std::function<void()> whileSending; // a transmission that takes its time
    QString delay = QStringLiteral("20");
    QString received;
    ui::BoardFeed board; // what the board "sends" to the tools that follow it
};

} // namespace testing_support
