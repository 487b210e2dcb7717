#include "memory/display/displaycapture.h"

#include "memory/display/capturewindow.h"
#include "memory/display/displaytexts.h"
#include "protocol/hexbytes.h"
#include "protocol/memoryframes.h"
#include "protocol/monochrome.h"
#include "ui/commandlink.h"
#include "ui/messages.h"

#include <QPushButton>

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace memory {

namespace {

constexpr std::string_view ready = "Ready:";
constexpr std::string_view lineEnd = "\r\n";

struct Refused
{
    std::string line;
};

// What has come back since the read was sent: nothing complete yet, the hex text of the
// display, or the board's error line. Lines ending in a bare "Ready:" answer frames sent
// before the read and are passed over; the answer may be broken over several lines.
std::variant<std::monostate, std::string, Refused> answerIn(std::string_view text)
{
    std::string body;
    for (std::size_t end; (end = text.find(lineEnd)) != std::string_view::npos;
         text.remove_prefix(end + lineEnd.size())) {
        const std::string_view line = text.substr(0, end);
        if (line.starts_with("Error:"))
            return Refused{std::string(line)};
        if (!line.ends_with(ready)) {
            body += line;
            continue;
        }
        body += line.substr(0, line.size() - ready.size());
        if (body.find_first_not_of(" \t") != std::string::npos)
            return body;
        body.clear();
    }
    return std::monostate{};
}

} // namespace

DisplayCapture::DisplayCapture(QPushButton *button, ui::CommandLink &link, ui::Messages &messages,
                               QObject *parent)
    : QObject(parent)
    , m_link(link)
    , m_messages(messages)
    , m_button(button)
{
    m_poll.setInterval(50);
    connect(&m_poll, &QTimer::timeout, this, &DisplayCapture::watch);
    connect(m_button, &QPushButton::clicked, this, &DisplayCapture::capture);
}

void DisplayCapture::capture()
{
    if (!m_link.guardOpen())
        return;
    const protocol::Encoded frame = protocol::lcdReadFrame({protocol::wholeDisplay, {}});
    m_before = m_link.receivedText();
    m_seen = m_before.size();
    m_link.send(QString::fromStdString(frame.frame));
    m_button->setEnabled(false);
    m_quiet.start();
    m_waiting.start();
    m_poll.start();
}

void DisplayCapture::watch()
{
    const QString received = m_link.receivedText();
    if (!received.startsWith(m_before))
        m_before.clear();
    if (received.size() != m_seen) {
        m_seen = received.size();
        m_quiet.start();
    }
    const QByteArray text = received.mid(m_before.size()).toLatin1();
    const auto answer = answerIn(std::string_view(text.constData(), text.size()));
    if (const auto *hex = std::get_if<std::string>(&answer)) {
        finish();
        const auto bytes = protocol::bytesOfHexPairs(*hex);
        show(bytes.value_or(std::vector<std::uint8_t>{}));
    } else if (const auto *refused = std::get_if<Refused>(&answer)) {
        finish();
        m_messages.show(tooltext::readRefused, QString::fromStdString(refused->line));
    } else if (m_quiet.elapsed() > m_quietLimit.count()
               || m_waiting.elapsed() > longestWait.count()) {
        finish();
        m_messages.show(tooltext::noReply);
    }
}

void DisplayCapture::finish()
{
    m_poll.stop();
    m_before.clear();
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
