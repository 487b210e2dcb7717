#pragma once

#include "protocol/refusal.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <string>

class QLineEdit;
class QListWidget;

namespace ui {

class Messages;

// What the board sends, passed on as it arrives (before any line-end rule), and the news that
// the device has gone, for the tools that follow an answer as it comes.
class BoardFeed : public QObject
{
    Q_OBJECT
signals:
    void received(const QByteArray &bytes);
    void lost();
};

// What a page needs of the main window to talk to the board. The main window implements it;
// pages and memory tools only ever see this.
class CommandLink
{
public:
    virtual ~CommandLink() = default;

    // True when the port is open; otherwise shows "Comm Port Not Open" and returns false.
    virtual bool guardOpen() = 0;
    // Puts the frame into the terminal line and transmits it through `send`; true when all of
    // it went out.
    virtual bool send(const QString &frame) = 0;
    // A run of frames as one transmission, each through the terminal line and `send` in
    // turn, with one progress window and one Stop for the whole run; it ends early at the
    // first frame that fails or is stopped.
    virtual void sendAll(const QStringList &frames)
    {
        for (const QString &frame : frames)
            send(frame);
    }
    // The text of the transmit-delay box, which `send` reads afresh on every call.
    virtual QString transmitDelay() const = 0;
    virtual void setTransmitDelay(const QString &text) = 0;
    // The receive window: what the board has answered, line ends as CR LF.
    virtual QString receivedText() const = 0;
    virtual void clearReceived() = 0;
    virtual BoardFeed &feed() = 0;
};

// Both clear buttons: the port-open guard, then "]k" through `send`.
void clearDisplay(CommandLink &link);

// A button's usual road: the port-open guard, then the frame its boxes make, sent, or the
// message that names the box that cannot be encoded, with nothing sent.
void transmit(CommandLink &link, Messages &messages,
              const std::function<protocol::Encoded()> &build);

// What a box holds, with the label a person sees beside it (its accessible name), kept alive
// for as long as a frame builder reads it.
struct BoxEntry
{
    explicit BoxEntry(const QLineEdit *box);
    // A list's selected item, empty when none is selected, with the list's label.
    explicit BoxEntry(const QListWidget *list);
    operator protocol::Entry() const { return {label, text}; }

    std::string label;
    std::string text;
};

} // namespace ui
