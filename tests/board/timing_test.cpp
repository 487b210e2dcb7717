// The timing model: a slow firmware behind a two-character buffer on a line of a given rate.
#include "board/firmware.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using board::Firmware;
using board::Micros;

const std::string longString = "]h]0120]A];]K]O]R]V]E]L];]D]E]M]O];]B]Y];]V]E]N]D]R]I]X]@";

// Sketra's send: a pause before every "]", the other characters as fast as the line takes them.
Micros sendPaced(Firmware &firmware, const std::string &frame, Micros now, Micros pause)
{
    for (const char c : frame) {
        if (c == ']')
            now += pause;
        while (firmware.receivable(now) == 0)
            now += Micros{100};
        firmware.receive(std::string(1, c), now);
        firmware.advance(now);
    }
    return now;
}

Micros settle(Firmware &firmware, Micros now)
{
    now += Micros{2'000'000};
    firmware.advance(now);
    return now;
}

TEST(Timing, DefaultPacingDrawsEverythingAndLosesNothing)
{
    Firmware timed(true);
    Firmware untimed(false);
    Micros now{0};
    for (const std::string &frame :
         {std::string("]k"), std::string("]c]402014"), longString, std::string("]f]3")}) {
        now = sendPaced(timed, frame, now, Micros{20'000});
        untimed.receive(frame + "\r", now);
    }
    settle(timed, now);
    EXPECT_EQ(timed.lostCharacters(), 0u);
    EXPECT_EQ(timed.lcd().memory(), untimed.lcd().memory());
}

std::string byteItems(int count, bool closed)
{
    std::string items;
    for (int i = 0; i < count; ++i)
        items += "]" + std::string(1, "0123456789abcdef"[i % 16]) + "5";
    return closed ? items + "]" : items;
}

TEST(Timing, EachOfSketrasPacingsKeepsUpWithLongFrames)
{
    using namespace std::chrono_literals;
    const struct
    {
        std::string frame;
        Micros pause;
        int baudRate;
    } rows[] = {
            {longString, 20ms, 19200},
            {longString, 5ms, 56000}, // the pacing an LCD write leaves behind
            {"]v]4000]V]E]N]D]R]I]X]1]2]3]4]5]6]7]8]@", 20ms, 9600},
            {"]m]007f0000" + byteItems(128, false), 5ms, 19200},
            {"]m]00070007" + byteItems(64, false), 5ms, 9600},
            {"]o]00000027" + byteItems(40, true), 200ms, 19200},
            {"]w]00f000ff" + byteItems(16, true), 200ms, 9600},
            {"]n]007f0007", 20ms, 19200},
    };
    for (const auto &row : rows) {
        Firmware timed(true);
        timed.setBaudRate(row.baudRate);
        Firmware untimed(false);
        // One click each, the reads last, to show what the writes wrote.
        Micros now{0};
        for (const std::string &frame : {std::string("]k"), row.frame, std::string("]a]00000027"),
                                         std::string("]g]00f000ff")}) {
            now = settle(timed,
                         sendPaced(timed, frame, now, frame == row.frame ? row.pause : 20ms));
            untimed.receive(frame + "\r", Micros{0});
        }
        EXPECT_EQ(timed.lostCharacters(), 0u) << row.frame;
        EXPECT_EQ(timed.lcd().memory(), untimed.lcd().memory()) << row.frame;
        EXPECT_EQ(timed.takeOutput(now), untimed.takeOutput(Micros{0})) << row.frame;
    }
}

// "&Draw Dots" sends its frames one after the other, each answered with "Ready:" CR, which
// the board must send before it reads on. On a line whose pauses begin once the characters
// before them have left, 20 ms leaves room for that reply down to 2400 baud (29 ms, while the
// frame's first two characters wait in the buffer), not at 1200 (58 ms).
TEST(Timing, ARunOfDotsAtTheDefaultPacingKeepsUpDownTo2400Baud)
{
    const struct
    {
        int baudRate;
        bool keepsUp;
    } rows[] = {{56000, true}, {19200, true}, {9600, true},
                {2400, true},  {1200, false}, {600, false}};
    for (const auto &row : rows) {
        Firmware timed(true);
        timed.setBaudRate(row.baudRate);
        Micros now = settle(timed, sendPaced(timed, "]k", Micros{0}, Micros{20'000}));
        std::string run;
        for (int x = 10; x < 30; ++x) {
            const std::string frame = "]d]" + std::string(1, "0123456789abcdef"[x / 16])
                                      + std::string(1, "0123456789abcdef"[x % 16]) + "1e";
            now = sendPaced(timed, frame, now, Micros{20'000});
        }
        settle(timed, now);
        int dots = 0;
        for (int x = 10; x < 30; ++x)
            dots += timed.lcd().pixel(x, 30);
        EXPECT_EQ(dots == 20, row.keepsUp) << row.baudRate << " baud: " << dots << " dots";
        EXPECT_EQ(timed.lostCharacters() == 0, row.keepsUp) << row.baudRate;
    }
}

TEST(Timing, NoTransmitDelayCorruptsALongFrame)
{
    Firmware timed(true);
    timed.receive("]k", Micros{0});
    sendPaced(timed, longString, Micros{100'000}, Micros{0});
    settle(timed, Micros{100'000});
    Firmware untimed(false);
    untimed.receive("]k" + longString, Micros{0});
    EXPECT_GT(timed.lostCharacters(), 0u);
    EXPECT_NE(timed.lcd().memory(), untimed.lcd().memory());
}

TEST(Timing, CharactersArriveNoFasterThanTheLineRate)
{
    Firmware firmware(true);
    firmware.setBaudRate(1200); // 8333 us a character
    EXPECT_GT(firmware.receivable(Micros{0}), 100u) << "an idle line takes a burst at once";
    firmware.receive("]d]01", Micros{0}); // on the line until 33'332 us
    EXPECT_EQ(firmware.receivable(Micros{8'000}), 0u);
    EXPECT_EQ(firmware.receivable(Micros{41'600}), 0u);
    EXPECT_EQ(firmware.receivable(Micros{41'700}), 1u);
    EXPECT_EQ(firmware.receivable(Micros{58'400}), 3u);
    EXPECT_EQ(Firmware(false).receivable(Micros{0}), 65536u);
}

TEST(Timing, AWatcherHearsEachCharacterWhenItArrivesOnTheLine)
{
    std::vector<std::pair<char, Micros>> heard;
    const auto listen = [&heard](char byte, Micros at) {
        heard.emplace_back(byte, at);
    };
    Firmware timed(true);
    timed.setBaudRate(1200); // 8333 us a character
    timed.watchArrivals(listen);
    // A burst read at once: never dated before the read, so the quiet before it stays whole;
    // one after the other from then on.
    timed.receive("]d]", Micros{100'000});
    timed.receive("0", Micros{100'001}); // the line is still busy with the last one
    const std::vector<std::pair<char, Micros>> timedExpected = {{']', Micros{100'000}},
                                                                {'d', Micros{108'333}},
                                                                {']', Micros{116'666}},
                                                                {'0', Micros{124'999}}};
    EXPECT_EQ(heard, timedExpected);

    heard.clear();
    Firmware untimed(false);
    untimed.watchArrivals(listen);
    untimed.receive("]k", Micros{7});
    const std::vector<std::pair<char, Micros>> untimedExpected
            = {{']', Micros{7}}, {'k', Micros{7}}};
    EXPECT_EQ(heard, untimedExpected);
}

TEST(Timing, RepliesLeaveAtTheLineRate)
{
    Firmware firmware(true);
    firmware.setBaudRate(9600);                   // about 1 ms a character
    firmware.receive("]a]00000009\r", Micros{0}); // the last character is in at 11.5 ms
    firmware.advance(Micros{12'000});
    const std::string first = firmware.takeOutput(Micros{17'000});
    EXPECT_LE(first.size(), 6u);
    EXPECT_GE(first.size(), 4u);
    const std::string rest = firmware.takeOutput(Micros{100'000});
    EXPECT_EQ(first + rest, "ffffffffffffffffffffReady:\r");
}

} // namespace
