#include "memory/display/displaycapture.h"

#include "memory/display/capturewindow.h"
#include "memory/display/displaytexts.h"
#include "protocol/hexbytes.h"
#include "protocol/memoryframes.h"
#include "protocol/monochrome.h"
#include "protocol/replies.h"
#include "ui/commandlink.h"
#include "ui/messages.h"

#include <QPushButton>

#include <optional>

namespace memory {

namespace {

// Far more than the whole display's answer: what a board that never stops talking may fill.
constexpr std::size_t longestAnswer = 64 * 1024;

} // namespace

DisplayCapture::DisplayCapture(QPushButton *button, ui::CommandLink &link, ui::Messages &messages,
                               QObject *parent)
    : QObject(parent)
    , m_link(link)
    , m_messages(messages)
    , m_button(button)
{
    m_limits.setInterval(50);
    connect(&m_limits, &QTimer::timeout, this, &DisplayCapture::watchTime);
    connect(m_button, &QPushButton::clicked, this, &DisplayCapture::capture);
    connect(&m_link.feed(), &ui::BoardFeed::received, this, &DisplayCapture::take);
    connect(&m_link.feed(), &ui::BoardFeed::lost, this, [this] {
        if (m_waitingForAnswer)
            finish();
    });
}

void DisplayCapture::capture()
{
    if (!m_link.guardOpen())
        return;
    const protocol::Encoded frame = protocol::lcdReadFrame({protocol::wholeDisplay, {}});
    m_answer.clear();
    m_waitingForAnswer = true;
    m_button->setEnabled(false);
    // A read that did not go out whole (stopped, or the line stopped taking it) has had its
    // message: no answer is awaited.
    if (!m_link.send(QString::fromStdString(frame.frame))) {
        finish();
        return;
    }
    // The board's time to answer counts from the end of the read: at a long transmit delay
    // its pauses alone outlast the quiet allowed.
    m_quiet.start();
    m_waiting.start();
    m_limits.start();
}

void DisplayCapture::take(const QByteArray &bytes)
{
    if (!m_waitingForAnswer)
        return;
    m_quiet.start();
    m_answer.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    const protocol::Reply answer = protocol::firstAnswer(m_answer);
    if (answer.kind == protocol::Reply::Kind::Ready) {
        const auto bytesShown = protocol::bytesOfHexPairs(protocol::answerDigits(answer.text));
        finish();
        show(bytesShown.value_or(std::vector<std::uint8_t>{}));
    } else if (answer.kind == protocol::Reply::Kind::Refused) {
        const QString line = QString::fromStdString(std::string(answer.text));
        finish();
        m_messages.show(tooltext::readRefused, line);
    } else if (m_answer.size() > longestAnswer) {
        m_answer.erase(0, m_answer.size() - longestAnswer);
    }
}

void DisplayCapture::watchTime()
{
    if (m_quiet.elapsed() > m_quietLimit.count() || m_waiting.elapsed() > longestWait.count()) {
        finish();
        m_messages.show(tooltext::noReply);
    }
}

void DisplayCapture::finish()
{
    m_limits.stop();
    m_waitingForAnswer = false;
    m_answer.clear();
    m_button->setEnabled(true);
}

void DisplayCapture::show(const std::vector<std::uint8_t> &bytes)
{
    const std::optional<protocol::Bitmap> display
            = protocol::unpackDisplayBytes(bytes, protocol::wholeDisplay);
    if (!display) {
        m_messages.show(
                tooltext::notWholeDisplay.arg(bytes.size()).arg(protocol::wholeDisplay.bytes()));
        return;
    }
    if (!m_window)
        m_window = new CaptureWindow(m_messages, m_button->window());
    m_window->setPicture(*display);
    m_window->show();
    m_window->raise();
}

} // namespace memory
