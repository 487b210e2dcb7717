#include "app/scriptrunner.h"

#include "app/options.h"
#include "protocol/lineends.h"
#include "protocol/textlines.h"
#include "serial/boardconnection.h"
#include "serial/clock.h"
#include "serial/qtserialport.h"

#include <QObject>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <sys/stat.h>
#include <unistd.h>

namespace app {

namespace {

// How much of a frame or an error line a message quotes.
constexpr std::size_t quoted = 60;
constexpr std::size_t longestPrintedError = 200;

std::string where(const ScriptFrame &frame)
{
    return "line " + std::to_string(frame.line) + " (" + printable(frame.frame, quoted) + ")";
}

} // namespace

std::string printable(std::string_view text, std::size_t longest)
{
    std::string shown;
    for (const char c : text.substr(0, longest)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7f) {
            shown += c;
            continue;
        }
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
        shown += escaped;
    }
    if (text.size() > longest)
        shown += "... (" + std::to_string(text.size()) + " characters)";
    return shown;
}

ScriptSource::ScriptSource(Read read)
    : m_read(std::move(read))
{}

ScriptSource ScriptSource::reading(int descriptor)
{
    return ScriptSource([descriptor](char *buffer, std::size_t size) {
        for (;;) {
            const ssize_t got = ::read(descriptor, buffer, size);
            if (got >= 0 || errno != EINTR)
                return static_cast<long>(got);
        }
    });
}

ScriptSource::Next ScriptSource::next(ScriptFrame &frame)
{
    for (;;) {
        // A line ends in LF, CR LF or a CR alone; a CR last in what has come waits to see
        // whether its LF follows.
        const auto end = m_buffer.find_first_of("\r\n");
        const bool whole = end != std::string::npos
                           && (end + 1 < m_buffer.size() || m_ended || m_buffer[end] == '\n');
        if (whole || (m_ended && !m_buffer.empty())) {
            ++m_line;
            const std::string_view line = protocol::trimmedLine(
                    std::string_view(m_buffer).substr(0, std::min(end, m_buffer.size())));
            if (line.size() > protocol::longestFrameLine) {
                frame = {m_line, {}};
                return Next::TooLong;
            }
            const auto read = line.empty() ? protocol::FrameFileReader::Line::Comment
                                           : m_reader.read(m_line, line, frame);
            const bool crLf = end != std::string::npos && m_buffer.compare(end, 2, "\r\n") == 0;
            m_buffer.erase(0, end == std::string::npos ? m_buffer.size() : end + (crLf ? 2 : 1));
            if (read == protocol::FrameFileReader::Line::Frame)
                return Next::Frame;
            if (read == protocol::FrameFileReader::Line::Refused) {
                frame = {m_line, m_reader.refusal()};
                return Next::Refused;
            }
            continue;
        }
        if (m_ended)
            return Next::End;
        // A line can be no longer than a frame: past that, it is not read further.
        if (m_buffer.size() > protocol::longestFrameLine + 2) {
            frame = {++m_line, {}};
            return Next::TooLong;
        }
        char chunk[65536];
        const long got = m_read(chunk, sizeof chunk);
        if (got < 0)
            return Next::Failed;
        if (got == 0)
            m_ended = true;
        m_buffer.append(chunk, static_cast<std::size_t>(got));
    }
}

ScriptRunner::ScriptRunner(serial::BoardConnection &connection, std::ostream &out,
                           std::ostream &err)
    : m_out(out)
    , m_err(err)
    , m_sender(connection, [this](const QByteArray &bytes) { take(bytes); })
{}

int ScriptRunner::run(const std::vector<ScriptFrame> &frames, const Pacing &pacing)
{
    std::size_t at = 0;
    return run(
            [&](ScriptFrame &frame) {
                if (at == frames.size())
                    return ScriptSource::Next::End;
                frame = frames[at++];
                return ScriptSource::Next::Frame;
            },
            pacing);
}

int ScriptRunner::run(const FrameSupply &next, const Pacing &pacing)
{
    using End = serial::BoardConnection::Outcome::End;
    if (const std::string closed = m_sender.open(); !closed.empty())
        return stop(2, closed);
    for (ScriptFrame frame;;) {
        switch (next(frame)) {
        case ScriptSource::Next::Frame:
            break;
        case ScriptSource::Next::End:
            return stop(0, {});
        case ScriptSource::Next::TooLong:
            return stop(1, protocol::lineTooLong(frame.line));
        case ScriptSource::Next::Failed:
            return stop(2, std::string("the frames could not be read: ") + std::strerror(errno));
        case ScriptSource::Next::Refused:
            return stop(2, frame.frame);
        }
        const serial::Pacing paced{QString::fromStdString(frame.waitChar.value_or(pacing.waitChar)),
                                   QString::number(frame.delayMs.value_or(pacing.delayMs))};
        const auto sent = m_sender.send(frame.frame, paced, pacing.timeout);
        const auto &outcome = sent.outcome;
        switch (outcome.end) {
        case End::Sent:
            break;
        case End::Stalled:
            return stop(1, where(frame) + ": " + m_sender.failure(outcome));
        case End::Lost:
            return stop(2, m_sender.failure(outcome));
        default:
            return stop(2, where(frame) + ": " + m_sender.failure(outcome));
        }
        switch (sent.answer) {
        case FrameSender::Answer::Ready:
            break;
        case FrameSender::Answer::Refused:
            return stop(1, where(frame) + " was refused by the board");
        case FrameSender::Answer::Quiet:
            return stop(1, where(frame) + " was not answered: no \"Ready:\" within "
                                   + std::to_string(pacing.timeout.count()) + " ms");
        case FrameSender::Answer::Endless:
            return stop(1, where(frame)
                                   + " was not answered: the board went on sending "
                                     "without a \"Ready:\"");
        case FrameSender::Answer::Lost:
            return stop(2, "the port was lost: " + m_sender.lostReason());
        case FrameSender::Answer::Stopped: // as a stopped transmission; `--send` sets no give-up
            return stop(2, where(frame) + ": it was stopped");
        }
    }
}

void ScriptRunner::take(const QByteArray &bytes)
{
    const std::string text = bytes.toStdString();
    // The board ends its lines with a carriage return; a terminal wants a line feed.
    for (const char c : protocol::normaliseLineEnds(text)) {
        if (c == '\r')
            continue;
        if (c != '\n') {
            m_line += c;
            continue;
        }
        printLine(m_line);
        m_line.clear();
    }
}

void ScriptRunner::printLine(std::string_view line)
{
    // An error line repeats the frame it refused, which may be kilobytes long.
    const bool refusal = line.starts_with("Error:");
    m_out << printable(line, refusal ? longestPrintedError : line.size()) << '\n';
    m_out.flush();
}

int ScriptRunner::stop(int status, const std::string &why)
{
    m_sender.connection().close();
    if (!m_line.empty())
        printLine(std::exchange(m_line, {}));
    m_out.flush();
    if (!why.empty())
        m_err << "sketra: " << why << '\n';
    return status;
}

int runScript(const Options &options, std::ostream &out, std::ostream &err)
{
    int descriptor = STDIN_FILENO;
    if (options.sendFile != QLatin1String("-")) {
        // Frames come from a file or a pipe; a device such as /dev/zero never ends.
        const QByteArray path = options.sendFile.toLocal8Bit();
        struct stat kind
        {};
        if (::stat(path.constData(), &kind) != 0) {
            err << "sketra: cannot read " << path.constData() << ": " << std::strerror(errno)
                << '\n';
            return 2;
        }
        if (!S_ISREG(kind.st_mode) && !S_ISFIFO(kind.st_mode)) {
            err << "sketra: cannot read " << path.constData()
                << ": frames come from a file, a pipe or standard input, not from a device "
                   "or a folder\n";
            return 2;
        }
        descriptor = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
        if (descriptor < 0) {
            err << "sketra: cannot read " << path.constData() << ": " << std::strerror(errno)
                << '\n';
            return 2;
        }
    }

    serial::QtSerialPort port(portsFor(options, serial::PortMap::discover()));
    port.setPortNumber(commandLinePort(options));
    port.setSettings(options.settings);
    serial::SteadyClock clock;
    serial::BoardConnection connection(port, clock);
    ScriptRunner runner(connection, out, err);
    ScriptSource source = ScriptSource::reading(descriptor);
    const int status = runner.run([&](ScriptFrame &frame) { return source.next(frame); },
                                  {options.delayMs, options.waitChar.toStdString(),
                                   std::chrono::milliseconds(options.timeoutMs)});
    if (descriptor != STDIN_FILENO)
        ::close(descriptor);
    return status;
}

} // namespace app
