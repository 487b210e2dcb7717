// Read EEprom: the end address while the boxes are filled in, the read frame, and the reply
// picked up when the focus leaves "&Read".
#include "memory/memoryfixture.h"

#include <QRadioButton>

namespace {

using ReadEeprom = MemoryPagesTest;

TEST_F(ReadEeprom, EachBoxLeftIsRewrittenAndTheEndAddressFollows)
{
    fillIn("txteraddr", "16");
    EXPECT_EQ(box("txteraddr") + box("txtebytes") + label("readeep"), "001600000015");
    fillIn("txtebytes", "4");
    EXPECT_EQ(box("txteraddr") + box("txtebytes") + label("readeep"), "001600040019");
}

TEST_F(ReadEeprom, ReadAsksForTheShownRangeOrChangesNothing)
{
    click("cmderead"); // the defaults as they are
    EXPECT_EQ(sent(), QStringList{"]a]00000000"});
    setMemo("txteread", "");
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
            {"00ff\r\n12", "00ff\r\n12"}, // not complete yet: shown as far as it came
            {"00ff\r\n1234Ready:\r\n", "00ff\r\n1234"},
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
    setMemo("txteread", "00ff\r\n1234");
    click("cmdecopy");
    EXPECT_EQ(shown(), QStringList({"Nothing to there to copy!", "Text copied to Clipboad"}));
    EXPECT_EQ(clipboard(), "00ff\r\n1234");
    click("cmdereadclr");
    EXPECT_EQ(memo("txteread"), "");
}

} // namespace
