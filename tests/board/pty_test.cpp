// The board through its real pseudo-terminal, driven with plain POSIX I/O as a terminal would.
#include "board/simulatedboard.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

class Terminal
{
public:
    explicit Terminal(const std::string &path, speed_t speed = B19200)
        : m_fd(::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK))
    {
        termios settings{};
        if (m_fd >= 0 && ::tcgetattr(m_fd, &settings) == 0) {
            ::cfmakeraw(&settings);
            ::cfsetspeed(&settings, speed);
            ::tcsetattr(m_fd, TCSANOW, &settings);
        }
    }
    ~Terminal()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    bool isOpen() const { return m_fd >= 0; }

    void write(const std::string &text)
    {
        EXPECT_EQ(::write(m_fd, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    }

    // What arrives until `replies` lines ending in "Ready:" have come, or two seconds passed.
    std::string readReplies(int replies)
    {
        std::string text;
        const auto deadline = Clock::now() + 2s;
        while (count(text) < replies && Clock::now() < deadline) {
            pollfd watched{m_fd, POLLIN, 0};
            if (::poll(&watched, 1, 50) <= 0)
                continue;
            char buffer[4096];
            const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
            if (n > 0)
                text.append(buffer, static_cast<std::size_t>(n));
        }
        return text;
    }

private:
    static int count(const std::string &text)
    {
        int found = 0;
        for (auto at = text.find("Ready:\r"); at != std::string::npos;
             at = text.find("Ready:\r", at + 1))
            ++found;
        return found;
    }

    int m_fd = -1;
};

bool lit(const board::LcdMemory &memory, int x, int y)
{
    return (memory[static_cast<std::size_t>((y / 8) * 128 + x)] >> (y % 8)) & 1;
}

class ThroughTheTerminal : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::string error;
        ASSERT_TRUE(board.start(&error)) << error;
        ASSERT_FALSE(board.devicePath().empty());
    }

    board::SimulatedBoard board;
};

TEST_F(ThroughTheTerminal, DrawsAndAnswersReady)
{
    Terminal terminal(board.devicePath());
    ASSERT_TRUE(terminal.isOpen());
    terminal.write("]k");
    terminal.write("]c]402014");
    EXPECT_EQ(terminal.readReplies(2), "Ready:\rReady:\r");
    const auto memory = board.lcdMemory();
    EXPECT_TRUE(lit(memory, 84, 32));
    EXPECT_FALSE(lit(memory, 64, 32));
}

TEST_F(ThroughTheTerminal, ReadsReturnWhatWasWritten)
{
    Terminal terminal(board.devicePath());
    terminal.write("]o]00100012]12]ab]34]");
    terminal.write("]a]00100012\r");
    EXPECT_EQ(terminal.readReplies(2), "Ready:\r12ab34Ready:\r");
    terminal.write("]m]00010000]a1]b2");
    terminal.write("]n]00010000\r");
    EXPECT_EQ(terminal.readReplies(2), "Ready:\ra1b2Ready:\r");
    terminal.write("]n]007f0007\r");
    EXPECT_EQ(terminal.readReplies(1).size(), 2048u + 7u);
}

TEST_F(ThroughTheTerminal, FollowsTheRateTheTerminalSets)
{
    Terminal terminal(board.devicePath(), B9600);
    const auto deadline = Clock::now() + 2s;
    while (board.baudRate() != 9600 && Clock::now() < deadline)
        std::this_thread::sleep_for(10ms);
    EXPECT_EQ(board.baudRate(), 9600);
}

TEST_F(ThroughTheTerminal, AnswersAgainAfterTheTerminalWasClosedAndReopened)
{
    {
        Terminal first(board.devicePath());
        first.write("]d]0102\r");
        EXPECT_EQ(first.readReplies(1), "Ready:\r");
    }
    Terminal second(board.devicePath());
    second.write("]d]0103\r");
    EXPECT_EQ(second.readReplies(1), "Ready:\r");
}

TEST_F(ThroughTheTerminal, StopsPromptlyWithATerminalStillOpenAndRepliesUnread)
{
    Terminal terminal(board.devicePath());
    for (int i = 0; i < 50; ++i)
        terminal.write("]n]007f0007\r");
    std::this_thread::sleep_for(100ms);
    const auto started = Clock::now();
    board.stop();
    EXPECT_LT(Clock::now() - started, 1s);
    EXPECT_FALSE(board.running());
}

TEST(SimulatedBoard, LogsEveryCommandItCarriesOut)
{
    std::vector<std::string> seen;
    board::BoardOptions options;
    options.onCommand = [&seen](const std::string &line) {
        seen.push_back(line);
    };
    board::SimulatedBoard board(options);
    board.receive("]k]zz\r");
    std::uint64_t cursor = 0;
    const std::vector<std::string> expected = {"]k  Ready:", "]z  Error: unknown command: ]z"};
    EXPECT_EQ(board.commandLog(&cursor), expected);
    EXPECT_EQ(seen, expected);
    EXPECT_TRUE(board.commandLog(&cursor).empty());
}

} // namespace

namespace {

TEST(SimulatedBoard, StopsTwiceStartsAgainAndIsDestroyedUnstarted)
{
    {
        board::SimulatedBoard unstarted;
        unstarted.stop();
        EXPECT_FALSE(unstarted.running());
    }
    board::SimulatedBoard board;
    std::string error;
    ASSERT_TRUE(board.start(&error)) << error;
    board.stop();
    board.stop();
    EXPECT_FALSE(board.running());
    EXPECT_TRUE(board.devicePath().empty());

    ASSERT_TRUE(board.start(&error)) << error;
    EXPECT_TRUE(board.running());
    Terminal terminal(board.devicePath());
    ASSERT_TRUE(terminal.isOpen());
    terminal.write("]d]0102\r");
    EXPECT_EQ(terminal.readReplies(1), "Ready:\r");
}

} // namespace
