// Write EEprom: Reformat and Write as a two-state machine, with the pacing each step leaves.
#include "memory/memoryfixture.h"

#include <QRadioButton>

namespace {

using WriteEeprom = MemoryPagesTest;

TEST_F(WriteEeprom, StepsButtonsPacingAndFrames)
{
    const QString frame = QStringLiteral("]o]00100012]12]ab]34]");
    const WriteStep steps[] = {
            {"as the window opens", [] {}, true, false, "20", {}, {}},
            {"odd text",
             [&] {
                 type("txtewrite", "12AB3");
                 click("cmdechk");
             },
             true,
             false,
             "20",
             {"Hex characters must be in pairs -- recheck entries"},
             {}},
            {"reformat",
             [&] {
                 fillIn("txtewaddr", "16");
                 type("txtewrite", "4");
                 click("cmdechk");
             },
             false,
             true,
             "200",
             {},
             {}},
            {"no memory chosen",
             [&] { click("cmdewrite"); },
             false,
             true,
             "200",
             {"Please select Internal or External EEprom"},
             {}},
            {"port closed",
             [&] {
                 find<QRadioButton>("optWeep1")->setChecked(true);
                 clickWithPortClosed("cmdewrite");
             },
             false,
             true,
             "200",
             {},
             {}},
            {"write", [&] { click("cmdewrite"); }, false, true, "20", {}, {frame}},
            {"the same again", [&] { click("cmdewrite"); }, false, true, "20", {}, {frame}},
            {"clear", [&] { click("cmdeclr"); }, true, false, "20", {}, {}},
    };
    walk("cmdechk", "cmdewrite", steps);
    EXPECT_EQ(label("lbleend"), "0018");
}

TEST_F(WriteEeprom, AStaleReformatIsNeverWritten)
{
    const std::function<void()> changes[] = {
            [&] { type("txtewrite", "5"); },
            [&] { setBox("txtewaddr", "32"); },
            [&] { paste("ffff", "cmdepaste"); },
    };
    for (const auto &change : changes) {
        setMemo("txtewrite", "12ab");
        click("cmdechk");
        leave("txtewaddr"); // no change: still ready
        ASSERT_TRUE(enabled("cmdewrite"));
        change();
        EXPECT_TRUE(enabled("cmdechk"));
        EXPECT_FALSE(enabled("cmdewrite"));
    }
}

// A megabyte pasted would be written round the EEPROM again and again, for hours.
TEST_F(WriteEeprom, ReformatAndWriteRefuseMoreBytesThanTheEepromHolds)
{
    find<QRadioButton>("optweep2")->setChecked(true);
    fillIn("txtewaddr", "7");
    paste(QString("ab").repeated(250), "cmdepaste");
    click("cmdechk");
    EXPECT_EQ(shown(), QStringList{"The text does not fit the Internal EEPROM: 250 bytes from "
                                   "address 7 reach past its last address, 255. Nothing was "
                                   "changed."});
    EXPECT_FALSE(enabled("cmdewrite"));
    EXPECT_EQ(memo("txtewrite"), QString("ab").repeated(250));
    fillIn("txtewaddr", "6");
    click("cmdechk");
    EXPECT_TRUE(enabled("cmdewrite"));

    // Reformatted for the external EEPROM, then the internal one chosen: Write looks again.
    find<QRadioButton>("optWeep1")->setChecked(true);
    fillIn("txtewaddr", "7");
    paste(QString("ab").repeated(250), "cmdepaste");
    click("cmdechk");
    find<QRadioButton>("optweep2")->setChecked(true);
    sent();
    click("cmdewrite");
    EXPECT_EQ(shown(), QStringList{"The text does not fit the Internal EEPROM: 250 bytes from "
                                   "address 7 reach past its last address, 255. Nothing was "
                                   "changed."});
    EXPECT_TRUE(sent().isEmpty());
}

TEST_F(WriteEeprom, TypedLettersArriveInLowerCasePastedTextKeepsItsCase)
{
    type("txtewrite", "AbCxYZ09");
    EXPECT_EQ(memo("txtewrite"), "abcxyz09");
    setClipboard("AB CD\r\nEF");
    click("cmdepaste");
    EXPECT_EQ(memo("txtewrite"), "AB CD\r\nEF");
    setClipboard("");
    click("cmdepaste");
    EXPECT_EQ(memo("txtewrite"), "");
    EXPECT_EQ(shown(), QStringList{"Nothing to paste!"});
}

} // namespace
