// `sketra --check-board` and `--find-pacing` as a shell runs them, against the simulated board
// behind its pseudo-terminal; and how the check and its frame sender end a run cut short, on a
// fake exchange and a fake port.
#include "app/boardcheck.h"
#include "app/checkreport.h"
#include "app/framesender.h"
#include "app/pacingsearch.h"
#include "board/checksuite.h"
#include "board/simulatedboard.h"
#include "board/timing.h"
#include "sketraprocess.h"
#include "support/fakeport.h"
#include "support/filesizelimit.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <deque>
#include <map>

namespace {

QString portOf(const board::SimulatedBoard &board)
{
    return QStringLiteral("1=%1").arg(QString::fromStdString(board.devicePath()));
}

std::size_t suiteSize()
{
    return board::checkSuite().size();
}

struct CheckBoardTest : ::testing::Test
{
    QTemporaryDir dir;

    std::unique_ptr<board::SimulatedBoard> start(board::BoardOptions options = {})
    {
        auto simulated = std::make_unique<board::SimulatedBoard>(std::move(options));
        std::string error;
        EXPECT_TRUE(simulated->start(&error)) << error;
        return simulated;
    }

    // The person's bytes where the check has its scratch: they must be there afterwards.
    static constexpr const char *personsBytes = "]o]7ffc7fff]12]34]56]78]";
    static constexpr const char *readThem = "]a]7ffc7fff\n";
};

TEST_F(CheckBoardTest, TheSimulatedBoardMatchesEveryGroupAndKeepsTheEepromBytes)
{
    auto simulated = start();
    simulated->receive(personsBytes);
    const SketraRun run = runSketra({"--check-board", "--port", portOf(*simulated), "--delay", "0",
                                     "--report", dir.filePath("out")});
    EXPECT_EQ(run.status, 0) << run.out.toStdString() << run.err.toStdString();
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(static_cast<std::size_t>(lines.size()), suiteSize() + 1);
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        EXPECT_TRUE(lines[i].endsWith(": equal")) << lines[i].toStdString();
    EXPECT_TRUE(lines.last().startsWith(
            QStringLiteral("total: %1 of %1 groups match").arg(suiteSize())));

    const QDir report(dir.filePath("out"));
    EXPECT_TRUE(report.exists("index.html"));
    EXPECT_EQ(report.entryList({"*-differences.png"}).size(), qsizetype(suiteSize() - 1));
    EXPECT_EQ(runSketra({"--send", "-", "--port", portOf(*simulated)}, readThem).out,
              "12345678Ready:\n");
}

TEST_F(CheckBoardTest, ABoardThatMisdrawsOneCommandFailsOnlyItsGroup)
{
    board::BoardOptions options;
    options.misdrawn = 'l';
    auto simulated = start(std::move(options));
    const SketraRun run
            = runSketra({"--check-board", "--port", portOf(*simulated), "--delay", "0"});
    EXPECT_EQ(run.status, 1);
    const QStringList differing = run.out.split('\n').filter(QStringLiteral("DIFFERS"));
    ASSERT_EQ(differing.size(), 1) << run.out.toStdString();
    EXPECT_TRUE(differing[0].startsWith("lines in every direction: DIFFERS ("))
            << differing[0].toStdString();
    EXPECT_TRUE(run.out.contains(
            QStringLiteral("total: %1 of %2 groups match").arg(suiteSize() - 1).arg(suiteSize())));
}

TEST_F(CheckBoardTest, StoppedAfterWritingTheScratchBytesItWritesThemBack)
{
    std::atomic<bool> patternWritten = false;
    board::BoardOptions options;
    options.onCommand = [&](const std::string &line) {
        patternWritten = patternWritten || line.starts_with("]o]7ffc7fff]00");
    };
    auto simulated = start(std::move(options));
    simulated->receive(personsBytes);
    QProcess process;
    startSketra(process, {"--check-board", "--port", portOf(*simulated), "--delay", "0"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return patternWritten.load(); }, 60000));
    process.terminate();
    const SketraRun run = finishSketra(process);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("stopped")) << run.err.toStdString();
    EXPECT_FALSE(run.err.contains("could not restore")) << run.err.toStdString();
    EXPECT_EQ(runSketra({"--send", "-", "--port", portOf(*simulated)}, readThem).out,
              "12345678Ready:\n");
}

// The simulated board's firmware, answering each frame at once, unless `instead` gives another
// answer (the frame still reaches the firmware), as a stalled line, a stop or a board that
// loses characters would.
struct ReferenceExchange final : app::FrameExchange
{
    board::ReferenceBoard board;
    std::function<std::optional<app::FrameAnswer>(const std::string &frame, int delayMs)> instead;
    std::vector<std::string> log; // the frames and the settles, in order

    app::FrameAnswer exchange(const std::string &frame, int delayMs) override
    {
        log.push_back(frame);
        const app::FrameAnswer answer = app::readAnswer(board.answer(frame));
        return (instead ? instead(frame, delayMs) : std::nullopt).value_or(answer);
    }
    void settle(std::chrono::milliseconds quiet) override
    {
        log.push_back("settle " + std::to_string(quiet.count()));
    }
};

TEST(BoardCheck, EndedWhileItsPatternIsInTheScratchBytesItSettlesAndRestoresThem)
{
    using State = app::FrameAnswer::State;
    const struct
    {
        app::FrameAnswer interruption;
        int status;
        std::string failure;
    } rows[] = {
            {{State::Stopped, {}, "stopped"}, 1, ""},
            {{State::Stalled, {}, "the board stopped taking characters after 9 of 24"},
             2,
             "the board stopped taking characters after 9 of 24"},
    };
    for (const auto &row : rows) {
        ReferenceExchange exchange;
        exchange.board.answer(CheckBoardTest::personsBytes);
        bool stopRequested = false;
        const std::string pattern = "]o]7ffc7fff]00";
        exchange.instead = [&](const std::string &frame, int) -> std::optional<app::FrameAnswer> {
            if (!frame.starts_with(pattern))
                return std::nullopt;
            stopRequested = row.interruption.state == State::Stopped;
            return row.interruption;
        };
        app::BoardCheck check(exchange, std::chrono::microseconds(521));
        check.setStopRequested([&] { return stopRequested; });
        const app::CheckResult result = check.run(0);
        EXPECT_EQ(result.status(), row.status) << row.failure;
        EXPECT_EQ(result.portFailure, row.failure);
        EXPECT_EQ(app::unrestoredText(result), "") << row.failure;
        const auto interrupted
                = std::find_if(exchange.log.begin(), exchange.log.end(),
                               [&](const auto &e) { return e.starts_with(pattern); });
        ASSERT_LT(interrupted + 1, exchange.log.end());
        EXPECT_EQ(interrupted[1], "settle 3500");
        EXPECT_EQ(app::readAnswer(exchange.board.answer("]a]7ffc7fff")).data, "12345678");
    }
}

// A delay that kept up once and then lost characters moves the search up, and the next delay
// must then keep up twice in a row as well.
TEST(PacingSearch, RecommendsADelayOnlyOnceItKeptUpTwiceInARow)
{
    // Whether each trial at a delay keeps up, in turn; any other trial does.
    std::map<int, std::deque<bool>> keepsUp
            = {{1, {false}}, {3, {false}}, {4, {false}}, {5, {true, false}}, {6, {true, false}}};
    ReferenceExchange exchange;
    exchange.instead
            = [&](const std::string &frame, int delayMs) -> std::optional<app::FrameAnswer> {
        auto &trials = keepsUp[delayMs];
        if (frame != board::pacingSequence().front() || trials.empty())
            return std::nullopt;
        const bool kept = trials.front();
        trials.pop_front();
        return kept ? std::nullopt : std::optional(app::FrameAnswer{}); // nothing in time
    };
    app::PacingSearch search(exchange, std::chrono::microseconds(521));
    EXPECT_EQ(search.run().smallestMs, 7);
}

// A device that never stops talking (a GPS on the wrong port) holds no wait for ever, and a
// stop gives up the one it comes in.
TEST(FrameSender, ALineThatNeverGoesQuietHoldsNoWaitForEver)
{
    using namespace std::chrono_literals;
    testing_support::FakeClock clock;
    testing_support::FakePort port{clock};
    port.onRead = [&] {
        port.incoming += "$GPGGA,123519,4807.038,N,01131.000,E\r\n";
    };
    serial::BoardConnection connection{port, clock};
    app::FrameSender sender(connection);
    ASSERT_EQ(sender.open(), "");
    sender.settle(app::FrameExchange::settleQuiet);

    bool stopRequested = false;
    sender.setGiveUp([&] { return stopRequested; });
    port.onWrite = [&] {
        stopRequested = true;
    };
    EXPECT_EQ(sender.send("]k", {"]", "0"}, 5000ms).answer, app::FrameSender::Answer::Stopped);
    const auto before = clock.elapsed();
    sender.settle(app::FrameExchange::settleQuiet);
    EXPECT_LT(clock.elapsed() - before, app::FrameExchange::settleQuiet);
}

// A report that cannot be written whole (here past a file size limit, as on a full disk) is an
// error, not an empty page.
TEST(CheckReport, AReportThatCannotBeWrittenWholeIsAnError)
{
    QTemporaryDir dir;
    QString error;
    bool written = false;
    {
        const testing_support::FileSizeLimit small(256);
        written = app::writeCheckReport(dir.path(), {"/dev/ttyUSB0", "19200,n,8,1"}, nullptr,
                                        app::PacingResult{}, &error);
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(error, "cannot write all of " + dir.filePath("index.html"));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("index.html")));
}

// The timing model's answer: the smallest delay from the line's own character time up at which
// the firmware, fed as the transmitter feeds it (each pause once the characters before it have
// left), answers every frame of the pacing run as the board without the model does.
int modelPacing(int baudRate)
{
    using board::Micros;
    const Micros character = board::characterTime(baudRate);
    const Micros gap = std::chrono::duration_cast<Micros>(
            app::quietAfterAnswer(std::chrono::nanoseconds(character)));
    const auto keepsUp = [&](int delayMs) {
        board::Firmware timed(true);
        timed.setBaudRate(baudRate);
        board::ReferenceBoard reference;
        Micros lineFree{0};
        for (const std::string &frame : board::pacingSequence()) {
            Micros written = lineFree;
            for (const char c : frame) {
                if (c == ']')
                    written = std::max(written, lineFree) + Micros{delayMs * 1000};
                lineFree = std::max(lineFree, written) + character;
                timed.receive(std::string(1, c), lineFree);
            }
            lineFree += Micros{3'000'000} + gap; // its answer in and the line quiet again
            timed.advance(lineFree);
            std::string answer = timed.takeOutput(lineFree);
            if (answer != reference.answer(frame))
                return false;
        }
        return timed.lostCharacters() == 0;
    };
    int delayMs = static_cast<int>((character.count() + 999) / 1000);
    while (delayMs < 20 && !keepsUp(delayMs))
        ++delayMs;
    return delayMs;
}

TEST(FindPacing, AgreesWithTheTimingModelAtThreeRates)
{
    const struct
    {
        int baudRate;
        int model; // as the model gives it, stated so that a change to the model shows
    } rows[] = {{19200, 3}, {9600, 2}, {2400, 5}};
    for (const auto &row : rows) {
        EXPECT_EQ(modelPacing(row.baudRate), row.model) << row.baudRate;
        // Through the pseudo-terminal the pauses run a little long, so the search may find a
        // step less; and on a busy machine the board's thread can take characters in a bunch
        // and lose one that a line would have brought apart, so a second search may follow.
        std::string runs;
        bool agrees = false;
        for (int attempt = 0; attempt < 2 && !agrees; ++attempt) {
            board::BoardOptions options;
            options.timing = true;
            options.realtime = true;
            board::SimulatedBoard simulated(std::move(options));
            std::string error;
            ASSERT_TRUE(simulated.start(&error)) << error;
            const SketraRun run
                    = runSketra({"--find-pacing", "--port", portOf(simulated), "--settings",
                                 QStringLiteral("%1,n,8,1").arg(row.baudRate)});
            runs += run.out.toStdString();
            const auto found
                    = QRegularExpression(R"(^pacing: (\d+) ms kept up.*XmitDelay (\d+) ms)")
                              .match(run.out);
            agrees = run.status == 0 && found.hasMatch()
                     && std::abs(found.captured(1).toInt() - row.model) <= 1
                     && found.captured(2).toInt() >= row.model;
        }
        EXPECT_TRUE(agrees) << row.baudRate << " baud, the model " << row.model << " ms:\n" << runs;
    }
}

} // namespace
