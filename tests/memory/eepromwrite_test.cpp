// Write EEprom: Reformat, Write, Paste and Clear as a two-state machine, with the pacing each
// step leaves behind.
#include "memoryfixture.h"

#include <QRadioButton>
#include <QTest>

#include <functional>

namespace {

using WriteEeprom = MemoryPagesTest;

const QString notHex = QStringLiteral("Only hex digits 0-9 and a-f allowed -- recheck entries");
const QString notPairs = QStringLiteral("Hex characters must be in pairs -- recheck entries");

TEST_F(WriteEeprom, StepsButtonsPacingAndFrames)
{
    const WriteStep steps[] = {
            {"as the window opens", [] {}, true, false, "20", {}, {}},
            {"start address and typed text",
             [&] {
                 fillIn("txtewaddr", "16");
                 QTest::keyClicks(find<QPlainTextEdit>("txtewrite"), "12AB34");
             },
             true,
             false,
             "20",
             {},
             {}},
            {"reformat", [&] { click("cmdechk"); }, false, true, "200", {}, {}},
            {"write with no memory chosen",
             [&] { click("cmdewrite"); },
             false,
             true,
             "200",
             {"Please select Internal or External EEprom"},
             {}},
            {"write to the external EEPROM",
             [&] {
                 find<QRadioButton>("optWeep1")->setChecked(true);
                 click("cmdewrite");
             },
             false,
             true,
             "20",
             {},
             {"]o]00100012]12]ab]34]"}},
            {"the same again",
             [&] { click("cmdewrite"); },
             false,
             true,
             "20",
             {},
             {"]o]00100012]12]ab]34]"}},
            {"the internal one",
             [&] {
                 find<QRadioButton>("optweep2")->setChecked(true);
                 click("cmdewrite");
             },
             false,
             true,
             "20",
             {},
             {"]w]00100012]12]ab]34]"}},
            {"clear", [&] { click("cmdeclr"); }, true, false, "20", {}, {}},
    };
    walk("cmdechk", "cmdewrite", steps);
    EXPECT_EQ(memo("txtewrite"), "");
    EXPECT_EQ(label("lbleend"), "0018");
}

TEST_F(WriteEeprom, ReformatWritesTheByteListAndEndAddress)
{
    const struct
    {
        const char *start;
        const char *text;
        const char *byteList;
        const char *end;
    } rows[] = {
            {"0016", "12ab34", "]12]ab]34]", "0018"},
            {"4095", "0102", "]01]02]", "4096"},
            {"0000", " 00 01\r\n02 03 \r\n", "]00]01]02]03]", "0003"}, // a pasted dump
    };
    for (const auto &row : rows) {
        click("cmdeclr");
        setBox("txtewaddr", QString::fromUtf8(row.start));
        setMemo("txtewrite", QString::fromUtf8(row.text));
        click("cmdechk");
        EXPECT_EQ(memo("txtewrite"), row.byteList);
        EXPECT_EQ(label("lbleend"), row.end);
    }
}

TEST_F(WriteEeprom, ARefusedReformatChangesNothing)
{
    const struct
    {
        const char *start;
        const char *text;
        QString message;
    } rows[] = {
            {"0016", "12 x4", notHex},
            {"0016", "1 2 3", notPairs},
            {"0016", "  \r\n ", "Nothing to write!"},
            {"abc", "1234", "Start Address needs a whole number from 0 up"},
    };
    for (const auto &row : rows) {
        setBox("txtewaddr", QString::fromUtf8(row.start));
        setMemo("txtewrite", QString::fromUtf8(row.text));
        click("cmdechk");
        EXPECT_EQ(shown(), QStringList{row.message});
        EXPECT_EQ(memo("txtewrite"), QString::fromUtf8(row.text));
        EXPECT_EQ(label("lbleend"), "0000");
        EXPECT_EQ(link.delay, "20");
        EXPECT_TRUE(enabled("cmdechk"));
        EXPECT_FALSE(enabled("cmdewrite"));
    }
}

TEST_F(WriteEeprom, AStaleReformatIsNeverWritten)
{
    const struct
    {
        const char *change;
        std::function<void()> act;
    } rows[] = {
            {"typing into the text",
             [&] {
                 QTest::keyClicks(find<QPlainTextEdit>("txtewrite"), "5");
             }},
            {"a new start address",
             [&] {
                 setBox("txtewaddr", "32");
             }},
            {"pasting",
             [&] {
                 setClipboard("ffff");
                 click("cmdepaste");
             }},
    };
    for (const auto &row : rows) {
        click("cmdeclr");
        setBox("txtewaddr", "0016");
        setMemo("txtewrite", "12ab");
        click("cmdechk");
        ASSERT_TRUE(enabled("cmdewrite"));
        row.act();
        EXPECT_TRUE(enabled("cmdechk")) << row.change;
        EXPECT_FALSE(enabled("cmdewrite")) << row.change;
    }
    // Leaving the box without changing its value keeps the page ready.
    click("cmdeclr");
    setMemo("txtewrite", "12ab");
    click("cmdechk");
    leave("txtewaddr");
    EXPECT_TRUE(enabled("cmdewrite"));
}

TEST_F(WriteEeprom, AClosedPortKeepsTheSlowPacing)
{
    find<QRadioButton>("optWeep1")->setChecked(true);
    setMemo("txtewrite", "12");
    click("cmdechk");
    link.open = false;
    click("cmdewrite");
    EXPECT_EQ(link.guards, 1);
    EXPECT_TRUE(shown().isEmpty());
    EXPECT_TRUE(sent().isEmpty());
    EXPECT_EQ(link.delay, "200");
}

TEST_F(WriteEeprom, TypedLettersArriveInLowerCasePastedTextKeepsItsCase)
{
    QTest::keyClicks(find<QPlainTextEdit>("txtewrite"), "AbCxYZ09");
    EXPECT_EQ(memo("txtewrite"), "abcxyz09");

    setClipboard("AB CD\r\nEF");
    click("cmdepaste");
    EXPECT_EQ(memo("txtewrite"), "AB CD\r\nEF");
    EXPECT_TRUE(shown().isEmpty());

    setClipboard("");
    click("cmdepaste");
    EXPECT_EQ(memo("txtewrite"), "");
    EXPECT_EQ(shown(), QStringList{"Nothing to paste!"});
}

TEST_F(WriteEeprom, StartAddressLeftShowsFourDigits)
{
    fillIn("txtewaddr", "16");
    EXPECT_EQ(box("txtewaddr"), "0016");
    fillIn("txtewaddr", "x1");
    EXPECT_EQ(box("txtewaddr"), "x1");
    EXPECT_EQ(label("lbleend"), "0000"); // only Reformat works out the end
}

} // namespace
