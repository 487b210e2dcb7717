// Read EEprom: the end address while typing, the read frame, and the reply picked up when the
// focus leaves "&Read".
#include "memoryfixture.h"

#include <QRadioButton>

namespace {

using ReadEeprom = MemoryPagesTest;

TEST_F(ReadEeprom, BoxesLeftShowFourDigitsAndTheEndAddress)
{
    const struct
    {
        const char *start;
        const char *number;
        const char *shownStart;
        const char *shownNumber;
        const char *end;
    } rows[] = {
            {"16", "4", "0016", "0004", "0019"},     {"4095", "2", "4095", "0002", "4096"},
            {"0", "0", "0000", "0000", "-0001"},     {"12.5", "1", "0012", "0001", "0012"},
            {"12abc", "2", "12abc", "0002", "0013"}, // left as typed, read leniently
    };
    for (const auto &row : rows) {
        fillIn("txteraddr", QString::fromUtf8(row.start));
        fillIn("txtebytes", QString::fromUtf8(row.number));
        EXPECT_EQ(box("txteraddr"), row.shownStart);
        EXPECT_EQ(box("txtebytes"), row.shownNumber);
        EXPECT_EQ(label("readeep"), row.end) << row.start << " + " << row.number;
    }
    EXPECT_TRUE(shown().isEmpty());
}

TEST_F(ReadEeprom, ReadAsksForTheShownRangeAndWaitsForTheReply)
{
    link.received = QStringLiteral("earlier replies");
    fillIn("txteraddr", "16");
    fillIn("txtebytes", "4");
    click("cmderead");
    find<QRadioButton>("optxeep2")->setChecked(true);
    click("cmderead");
    EXPECT_EQ(sent(), QStringList({"]a]00100013", "]g]00100013"}));
    EXPECT_EQ(memo("txteread"), "CLICK HERE");
    EXPECT_TRUE(link.received.isEmpty());
    EXPECT_TRUE(shown().isEmpty());
}

TEST_F(ReadEeprom, NothingIsSentOrEmptiedForARefusedRead)
{
    const struct
    {
        bool open;
        const char *start;
        const char *number;
        const char *message;
    } rows[] = {
            {false, "16", "4", nullptr},
            {true, "0", "0", "Number needs a whole number from 1 to 9999"},
            {true, "", "4", "Address needs a whole number from 0 up"},
    };
    for (const auto &row : rows) {
        link.open = row.open;
        link.received = QStringLiteral("kept");
        setMemo("txteread", "kept too");
        fillIn("txteraddr", QString::fromUtf8(row.start));
        fillIn("txtebytes", QString::fromUtf8(row.number));
        click("cmderead");
        EXPECT_EQ(shown(), row.message ? QStringList{row.message} : QStringList());
        EXPECT_TRUE(sent().isEmpty());
        EXPECT_EQ(link.received, "kept");
        EXPECT_EQ(memo("txteread"), "kept too");
    }
}

TEST_F(ReadEeprom, TheReplyIsCollectedEachTimeTheFocusLeavesRead)
{
    const struct
    {
        const char *received;
        const char *collected;
    } rows[] = {
            {"12ab34Ready:\r\n", "12ab34"},
            {"12ab", "12ab"}, // not complete yet: shown as far as it came
            {"Waiting.....", "Waiting....."},
            {"ab\r\ncdReady:\r\n", "ab\r\ncd"},
            {"y:\r\n", "y:\r\n"},
            {"", ""},
    };
    for (const auto &row : rows) {
        link.received = QString::fromLatin1(row.received);
        leave("cmderead");
        EXPECT_EQ(memo("txteread"), row.collected);
    }
}

TEST_F(ReadEeprom, CopyTakesTheTextWithItsLineEndsAndClearEmptiesIt)
{
    setClipboard("before");
    setMemo("txteread", "   ");
    click("cmdecopy");
    EXPECT_EQ(shown(), QStringList{"Nothing to there to copy!"});
    EXPECT_EQ(clipboard(), "before");

    link.received = QStringLiteral("00ff\r\n1234Ready:\r\n");
    leave("cmderead");
    click("cmdecopy");
    EXPECT_EQ(shown(), QStringList{"Text copied to Clipboad"});
    EXPECT_EQ(clipboard(), "00ff\r\n1234");

    click("cmdereadclr");
    EXPECT_EQ(memo("txteread"), "");
}

} // namespace
