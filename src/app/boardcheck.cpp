#include "app/boardcheck.h"

#include "app/scriptrunner.h"
#include "board/checksuite.h"
#include "memory/memorytexts.h"
#include "protocol/hexbytes.h"
#include "protocol/replies.h"

#include <algorithm>
#include <cstdio>

namespace app {

namespace {

using Verdict = GroupResult::Verdict;

// How much of a frame or an error line a group's line quotes.
constexpr std::size_t quoted = 40;

std::string hexAddress(std::uint32_t address)
{
    char text[8];
    std::snprintf(text, sizeof text, "%04x", static_cast<unsigned>(address));
    return text;
}

std::string rangeText(const ScratchResult &range)
{
    return range.eeprom + " " + hexAddress(range.first) + "-" + hexAddress(range.last);
}

std::optional<protocol::Bitmap> pictureOf(const FrameAnswer &answer)
{
    if (answer.state != FrameAnswer::State::Ready)
        return std::nullopt;
    const auto bytes = protocol::bytesOfHexPairs(answer.data);
    if (!bytes)
        return std::nullopt;
    return protocol::unpackDisplayBytes(*bytes, protocol::wholeDisplay);
}

bool isEepromWrite(const std::string &frame)
{
    return frame.starts_with("]o]") || frame.starts_with("]w]");
}

std::string answerText(const FrameAnswer &answer)
{
    switch (answer.state) {
    case FrameAnswer::State::Ready:
        return answer.data.empty() ? "Ready:" : "its data";
    case FrameAnswer::State::Refused:
        return "\"" + printable(answer.text, quoted) + "\"";
    case FrameAnswer::State::Silent:
        return "nothing in time";
    case FrameAnswer::State::Stalled:
    case FrameAnswer::State::Failed:
    case FrameAnswer::State::Stopped:
        return answer.text;
    }
    return {};
}

} // namespace

FrameAnswer readAnswer(std::string_view text)
{
    const protocol::Reply reply = protocol::firstReply(text);
    switch (reply.kind) {
    case protocol::Reply::Kind::Ready:
        return {FrameAnswer::State::Ready, protocol::answerDigits(reply.text),
                std::string(reply.text)};
    case protocol::Reply::Kind::Refused:
        return {FrameAnswer::State::Refused, {}, std::string(reply.text)};
    case protocol::Reply::Kind::Pending:
        break;
    }
    return {FrameAnswer::State::Silent, {}, std::string(text)};
}

std::chrono::milliseconds quietAfterAnswer(std::chrono::nanoseconds characterTime)
{
    using namespace std::chrono;
    return milliseconds(15) + duration_cast<milliseconds>(10 * characterTime);
}

int CheckResult::status() const
{
    if (!portFailure.empty())
        return 2;
    if (stopped)
        return 1;
    return std::all_of(groups.begin(), groups.end(), [](const auto &g) { return g.matches(); }) ? 0
                                                                                                : 1;
}

std::string groupLine(const GroupResult &group)
{
    const auto pixels = [](std::size_t count) {
        return std::to_string(count) + (count == 1 ? " pixel" : " pixels");
    };
    switch (group.verdict) {
    case Verdict::Equal:
        return group.name + ": equal";
    case Verdict::WithinOnePixel:
        return group.name + ": matches within one pixel (" + pixels(group.comparison.differing)
               + " differ)";
    case Verdict::Different:
        return group.name + ": DIFFERS (" + group.why + ")";
    case Verdict::NotCompared:
        return group.name + ": NOT COMPARED (" + group.why + ")";
    }
    return group.name;
}

std::string totalLine(const CheckResult &result)
{
    std::size_t counts[4] = {}; // by verdict
    for (const auto &group : result.groups)
        ++counts[static_cast<int>(group.verdict)];
    const auto equal = counts[static_cast<int>(Verdict::Equal)];
    const auto near = counts[static_cast<int>(Verdict::WithinOnePixel)];
    const auto different = counts[static_cast<int>(Verdict::Different)];
    const auto notCompared = counts[static_cast<int>(Verdict::NotCompared)];
    std::string line = "total: " + std::to_string(equal + near) + " of "
                       + std::to_string(result.groups.size()) + " groups match ("
                       + std::to_string(equal) + " equal, " + std::to_string(near)
                       + " within one pixel), " + std::to_string(different) + " differing, "
                       + std::to_string(notCompared) + " not compared";
    if (!result.portFailure.empty())
        line += "; ended early: " + result.portFailure;
    else if (result.stopped)
        line += "; stopped before the end";
    return line;
}

std::string unrestoredText(const CheckResult &result)
{
    std::string text;
    for (const auto &range : result.scratch) {
        if (!range.written || range.restored)
            continue;
        text += "could not restore the " + rangeText(range) + " scratch bytes; they were";
        for (const std::uint8_t byte : *range.original) {
            char pair[4];
            std::snprintf(pair, sizeof pair, " %02x", byte);
            text += pair;
        }
        text += "\n";
    }
    return text;
}

BoardCheck::BoardCheck(FrameExchange &exchange, std::chrono::nanoseconds characterTime)
    : m_exchange(exchange)
    , m_characterTime(characterTime)
{}

int BoardCheck::delayFor(const std::string &frame, int delayMs)
{
    // The memory pages pace their writes themselves, whatever the transmit delay.
    if (isEepromWrite(frame))
        return memory::text::eepromWritePacing.toInt();
    if (frame.starts_with("]m]"))
        return memory::text::lcdWritePacing.toInt();
    return delayMs;
}

FrameAnswer BoardCheck::send(const std::string &frame, int delayMs)
{
    if (m_stop && m_stop())
        return {FrameAnswer::State::Stopped, {}, "stopped"};
    return exchange(frame, delayMs);
}

FrameAnswer BoardCheck::exchange(const std::string &frame, int delayMs)
{
    if (m_portFailed)
        return {FrameAnswer::State::Failed, {}, m_portFailure};
    FrameAnswer answer = m_exchange.exchange(frame, delayFor(frame, delayMs));
    // A stalled line ends the check as a failed port does, but the port is still open: the
    // scratch bytes may still get back.
    if (answer.state == FrameAnswer::State::Failed || answer.state == FrameAnswer::State::Stalled) {
        m_portFailed = answer.state == FrameAnswer::State::Failed;
        m_portFailure = answer.text;
    }
    if (answer.state == FrameAnswer::State::Ready)
        m_exchange.settle(quietAfterAnswer(m_characterTime));
    return answer;
}

void BoardCheck::readScratch(CheckResult &result)
{
    for (const board::ScratchRange &range : board::scratchRanges()) {
        ScratchResult scratch{std::string(range.eeprom), range.first, range.last, {}, false};
        const FrameAnswer answer = send(range.readFrame(), m_delayMs);
        if (answer.state == FrameAnswer::State::Ready) {
            const auto bytes = protocol::bytesOfHexPairs(answer.data);
            if (bytes && bytes->size() == range.size())
                scratch.original = *bytes;
        }
        result.scratch.push_back(std::move(scratch));
    }
}

void BoardCheck::restoreScratch(CheckResult &result)
{
    // Written back even when the check was stopped or the line stalled: only a failed port
    // prevents it.
    const bool written = std::any_of(result.scratch.begin(), result.scratch.end(),
                                     [](const auto &s) { return s.written; });
    if (!written || m_portFailed)
        return;
    // A check cut short may have left a frame half sent, or its answer on the way.
    if (result.stopped || !result.portFailure.empty())
        m_exchange.settle(FrameExchange::settleQuiet);
    const auto ranges = board::scratchRanges();
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        ScratchResult &scratch = result.scratch[i];
        if (!scratch.written)
            continue;
        if (exchange(ranges[i].writeFrame(*scratch.original), m_delayMs).state
            != FrameAnswer::State::Ready)
            continue;
        const FrameAnswer read = exchange(ranges[i].readFrame(), m_delayMs);
        scratch.restored = read.state == FrameAnswer::State::Ready
                           && protocol::bytesOfHexPairs(read.data) == scratch.original;
    }
}

std::chrono::milliseconds BoardCheck::estimate(const std::vector<std::string> &frames, int delayMs,
                                               bool capture) const
{
    using namespace std::chrono;
    nanoseconds total{0};
    const auto frameTime = [&](const std::string &frame) {
        const auto pauses = std::count(frame.begin(), frame.end(), ']');
        const int pause = delayFor(frame, delayMs);
        // The answer, "Ready:" and a line end, the quiet that ends the frame and the one after.
        return milliseconds(pauses * pause) + m_characterTime * static_cast<long>(frame.size() + 8)
               + milliseconds(20) + quietAfterAnswer(m_characterTime);
    };
    for (const auto &frame : frames)
        total += frameTime(frame);
    if (capture)
        total += frameTime(std::string(board::captureFrame))
                 + m_characterTime * static_cast<long>(2 * protocol::wholeDisplay.bytes());
    return duration_cast<milliseconds>(total);
}

std::optional<GroupResult> BoardCheck::runGroup(const board::CheckGroup &group, int delayMs,
                                                bool scratchSafe)
{
    GroupResult result;
    result.name = group.name;
    if (!scratchSafe) {
        result.why = "its scratch bytes could not be read first, so none were written";
        return result;
    }
    board::ReferenceBoard reference;
    std::string firstFault;
    for (const std::string &frame : group.frames) {
        CheckedFrame checked{frame, send(frame, delayMs), readAnswer(reference.answer(frame))};
        if (checked.board.interrupted())
            return std::nullopt;
        result.frames.push_back(checked);
        if (checked.board.state != checked.expected.state)
            m_exchange.settle(FrameExchange::settleQuiet);
        if (!checked.matches() && firstFault.empty())
            firstFault = printable(frame, quoted) + " was answered with "
                         + answerText(checked.board) + ", not " + answerText(checked.expected);
    }
    if (group.capture) {
        const std::string frame(board::captureFrame);
        const FrameAnswer captured = send(frame, delayMs);
        if (captured.interrupted())
            return std::nullopt;
        result.expected = pictureOf(readAnswer(reference.answer(frame)));
        result.board = pictureOf(captured);
        if (!result.board) {
            result.why
                    = "the capture failed: " + frame + " was answered with " + answerText(captured);
            return result;
        }
        result.comparison = protocol::comparePictures(*result.board, *result.expected);
    }
    const auto &comparison = result.comparison;
    if (!firstFault.empty() || !comparison.withinOnePixel()) {
        result.verdict = Verdict::Different;
        std::string pictures;
        if (comparison.differing > 0)
            pictures = std::to_string(comparison.differing) + " pixels differ, "
                       + std::to_string(comparison.beyondOnePixel) + " beyond one pixel";
        result.why = pictures.empty() || firstFault.empty() ? pictures + firstFault
                                                            : pictures + "; " + firstFault;
    } else {
        result.verdict = comparison.exact() ? Verdict::Equal : Verdict::WithinOnePixel;
    }
    return result;
}

CheckResult BoardCheck::run(int delayMs)
{
    m_delayMs = delayMs;
    CheckResult result;
    result.delayMs = delayMs;
    const auto groups = board::checkSuite();
    std::vector<std::chrono::milliseconds> estimates;
    for (const auto &group : groups)
        estimates.push_back(estimate(group.frames, delayMs, group.capture));

    // What the board sent before the check began (a pseudo-terminal may hand it over only
    // after the port has dropped what was waiting) is no answer to the check's first frame.
    m_exchange.settle(FrameExchange::startQuiet);
    readScratch(result);
    const bool scratchRead = std::all_of(result.scratch.begin(), result.scratch.end(),
                                         [](const auto &s) { return s.original.has_value(); });
    const auto started = std::chrono::steady_clock::now();
    std::chrono::milliseconds estimatedSoFar{0};
    for (std::size_t i = 0; i < groups.size(); ++i) {
        if (!m_portFailure.empty() || (m_stop && m_stop())) {
            result.stopped = m_portFailure.empty();
            break;
        }
        if (m_progress) {
            // The estimate, scaled by how the groups so far compared with theirs.
            std::chrono::milliseconds left{0};
            for (std::size_t j = i; j < groups.size(); ++j)
                left += estimates[j];
            const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
                    std::chrono::steady_clock::now() - started);
            if (estimatedSoFar.count() > 0)
                left = left * elapsed.count() / estimatedSoFar.count();
            m_progress(i, groups.size(), groups[i].name, left);
        }
        const bool writesScratch
                = std::any_of(groups[i].frames.begin(), groups[i].frames.end(), isEepromWrite);
        if (writesScratch && scratchRead) {
            for (auto &scratch : result.scratch)
                scratch.written = true;
        }
        auto group = runGroup(groups[i], delayMs, !writesScratch || scratchRead);
        estimatedSoFar += estimates[i];
        if (!group) {
            result.stopped = m_portFailure.empty();
            break;
        }
        if (m_groupDone)
            m_groupDone(*group);
        result.groups.push_back(std::move(*group));
    }
    result.portFailure = m_portFailure;
    restoreScratch(result);
    return result;
}

} // namespace app
