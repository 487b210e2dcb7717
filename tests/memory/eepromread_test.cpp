// Read EEprom: the end address while the boxes are filled in, the read frame, and the reply
// picked up when the focus leaves "&Read".
#include "memoryfixture.h"

#include <QRadioButton>

namespace {

using ReadEeprom = MemoryPagesTest;

TEST_F(ReadEeprom, BoxesLeftShowFourDigitsAndTheEndAddress)
{
    const char *const rows[][5] = {
            // start, number typed; start, number and end shown
            {"16", "4", "0016", "0004", "0019"},
            {"0", "0", "0000", "0000", "-0001"},
            {"12abc", "2.5", "12abc", "0002", "0013"}, // left as typed, read leniently
    };
    for (const auto &row : rows) {
        fillIn("txteraddr", row[0]);
        fillIn("txtebytes", row[1]);
        EXPECT_EQ(box("txteraddr") + box("txtebytes") + label("readeep"),
                  QString(row[2]) + row[3] + row[4]);
    }
}

TEST_F(ReadEeprom, ReadAsksForTheShownRangeOrChangesNothing)
{
    link.received = QStringLiteral("earlier replies");
    fillIn("txteraddr", "0");
    fillIn("txtebytes", "0");
    click("cmderead");
    EXPECT_EQ(shown(), QStringList{"Number needs a whole number from 1 to 9999"});
    EXPECT_EQ(memo("txteread") + link.received, "earlier replies");

    fillIn("txteraddr", "16");
    fillIn("txtebytes", "4");
    click("cmderead");
    find<QRadioButton>("optxeep2")->setChecked(true);
    click("cmderead");
    EXPECT_EQ(sent(), QStringList({"]a]00100013", "]g]00100013"}));
    EXPECT_EQ(memo("txteread") + link.received, "CLICK HERE");
    EXPECT_TRUE(shown().isEmpty());
}

TEST_F(ReadEeprom, TheReplyIsCollectedEachTimeTheFocusLeavesRead)
{
    const char *const rows[][2] = {
            {"12ab34Ready:\r\n", "12ab34"},
            {"12ab", "12ab"}, // not complete yet: shown as far as it came
            {"ab\r\ncdReady:\r\n", "ab\r\ncd"},
    };
    for (const auto &row : rows) {
        link.received = QString::fromLatin1(row[0]);
        leave("cmderead");
        EXPECT_EQ(memo("txteread"), row[1]);
    }
}

TEST_F(ReadEeprom, CopyTakesTheTextWithItsLineEndsAndClearEmptiesIt)
{
    setClipboard("before");
    setMemo("txteread", "   ");
    click("cmdecopy");
    link.received = QStringLiteral("00ff\r\n1234Ready:\r\n");
    leave("cmderead");
    click("cmdecopy");
    EXPECT_EQ(shown(), QStringList({"Nothing to there to copy!", "Text copied to Clipboad"}));
    EXPECT_EQ(clipboard(), "00ff\r\n1234");
    click("cmdereadclr");
    EXPECT_EQ(memo("txteread"), "");
}

} // namespace
