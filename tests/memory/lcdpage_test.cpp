// LCD Read/Write: the read frame and its reply, and the loosely coupled Reformat and Write.
#include "memoryfixture.h"

#include <QTest>

#include <functional>

namespace {

using LcdReadWrite = MemoryPagesTest;

const QString reminder = QStringLiteral("Make sure you Reformat the text before writing");

void corners(MemoryPagesTest &test, const char *x1, const char *x2, const char *y1, const char *y2)
{
    test.setBox("txtlcdx1", QString::fromUtf8(x1));
    test.setBox("txtlcdx2", QString::fromUtf8(x2));
    test.setBox("txtlcdy1", QString::fromUtf8(y1));
    test.setBox("txtlcdy2", QString::fromUtf8(y2));
}

TEST_F(LcdReadWrite, ReadSendsTheCornersXBeforeYAndCollectsTheReply)
{
    click("cmdlcdread");
    corners(*this, "10", "20", "1", "2");
    link.received = QStringLiteral("before");
    click("cmdlcdread");
    EXPECT_EQ(sent(), QStringList({"]n]00000000", "]n]0a140102"}));
    EXPECT_EQ(memo("txtlcd"), "CLICK HERE");
    EXPECT_TRUE(link.received.isEmpty());

    link.received = QStringLiteral("a1b2c3d4Ready:\r\n");
    leave("cmdlcdread");
    EXPECT_EQ(memo("txtlcd"), "a1b2c3d4");
    EXPECT_TRUE(enabled("cmdwritelcd")); // through the change of the text
    EXPECT_TRUE(shown().isEmpty());
}

TEST_F(LcdReadWrite, ARefusedReadChangesNothing)
{
    setMemo("txtlcd", "kept");
    link.received = QStringLiteral("kept too");
    corners(*this, "0", "1", "", "0");
    click("cmdlcdread");
    link.open = false;
    corners(*this, "0", "1", "0", "0");
    click("cmdlcdread");
    EXPECT_EQ(shown(), QStringList{"Start at Y1 needs a whole number from 0 up"});
    EXPECT_EQ(link.guards, 2);
    EXPECT_TRUE(sent().isEmpty());
    EXPECT_EQ(memo("txtlcd"), "kept");
    EXPECT_EQ(link.received, "kept too");
}

TEST_F(LcdReadWrite, StepsButtonsPacingAndFrames)
{
    const WriteStep steps[] = {
            {"as the window opens", [] {}, true, false, "20", {}, {}},
            {"typing enables Write",
             [&] { QTest::keyClicks(find<QPlainTextEdit>("txtlcd"), "ff"); },
             true,
             true,
             "20",
             {},
             {}},
            {"a write not reformatted goes with a reminder",
             [&] { click("cmdwritelcd"); },
             true,
             true,
             "20",
             {reminder},
             {"]m]00000000ff"}},
            {"reformat", [&] { click("cmdlcdfmt"); }, false, true, "5", {}, {}},
            {"write", [&] { click("cmdwritelcd"); }, false, true, "5", {}, {"]m]00000000]ff"}},
            {"editing after a reformat sends the edit without a reminder",
             [&] {
                 QTest::keyClicks(find<QPlainTextEdit>("txtlcd"), "x");
                 click("cmdwritelcd");
             },
             false,
             true,
             "5",
             {},
             {"]m]00000000x]ff"}},
            {"copy",
             [&] { click("cdmlcdcopy"); },
             true,
             true,
             "5",
             {"Text copied to Clipboad"},
             {}},
            {"clear", [&] { click("lcrlcdtxt"); }, true, false, "5", {}, {}},
            {"copy of nothing",
             [&] { click("cdmlcdcopy"); },
             true,
             false,
             "5",
             {"Nothing to there to copy!"},
             {}},
            {"paste",
             [&] {
                 setClipboard("a1b2");
                 click("cmdlcdpaste");
             },
             true,
             true,
             "5",
             {},
             {}},
    };
    walk("cmdlcdfmt", "cmdwritelcd", steps);
}

TEST_F(LcdReadWrite, ReformatChecksTheTextAgainstTheRectangle)
{
    const struct
    {
        const char *x1, *x2, *y1, *y2;
        const char *text;
        QString message; // empty: reformatted
        const char *rectangleCount;
        const char *textCount;
    } rows[] = {
            {"0", "1", "0", "0", "a1 b2\r\n", {}, "0002", "0002"},
            {"5", "10", "0", "0", "000000000000", {}, "0006", "0006"}, // compared as numbers
            {"0", "1", "0", "0", "a1b2c3", "Sum of X,Y bytes do not equal the text bytes", "0002",
             "0003"},
            {"10", "9", "0", "0", "00", "Entry Error! Check X1,Y1 and X2,Y2 values", "0000",
             "0000"},
            {"0", "0", "0", "0", "", "Nothing to format!", "0000", "0000"},
            {"0", "0", "0", "0", "abc", "Hex characters must be in pairs -- recheck entries",
             "0000", "0000"},
            {"0", "0", "0", "0", "0g", "Only hex digits 0-9 and a-f allowed -- recheck entries",
             "0000", "0000"},
    };
    for (const auto &row : rows) {
        click("lcrlcdtxt");
        find<QLabel>("xybytes")->setText("0000");
        find<QLabel>("txtbytes")->setText("0000");
        corners(*this, row.x1, row.x2, row.y1, row.y2);
        setMemo("txtlcd", QString::fromUtf8(row.text));
        click("cmdlcdfmt");
        EXPECT_EQ(label("xybytes"), row.rectangleCount) << row.text;
        EXPECT_EQ(label("txtbytes"), row.textCount) << row.text;
        if (row.message.isEmpty()) {
            EXPECT_TRUE(shown().isEmpty());
            EXPECT_FALSE(enabled("cmdlcdfmt"));
            EXPECT_EQ(link.delay, "5");
            link.delay = "20";
        } else {
            EXPECT_EQ(shown(), QStringList{row.message});
            EXPECT_EQ(memo("txtlcd"), QString::fromUtf8(row.text));
            EXPECT_TRUE(enabled("cmdlcdfmt"));
            EXPECT_EQ(link.delay, "20");
        }
    }
}

TEST_F(LcdReadWrite, AClosedPortShowsNoReminder)
{
    setMemo("txtlcd", "ff");
    link.open = false;
    click("cmdwritelcd");
    EXPECT_EQ(link.guards, 1);
    EXPECT_TRUE(shown().isEmpty());
    EXPECT_TRUE(sent().isEmpty());
}

TEST_F(LcdReadWrite, PasteOfNothingEmptiesTheBoxAndSaysSo)
{
    setClipboard("");
    click("cmdlcdpaste");
    EXPECT_EQ(shown(), QStringList{"Nothing to paste!"});
    EXPECT_FALSE(enabled("cmdwritelcd"));
}

TEST_F(LcdReadWrite, TabFollowsThePageListTheTextBeforeTheButtons)
{
    QStringList order;
    QWidget *widget = find<QWidget>("txtlcdx1");
    while (order.size() < 11) {
        if (widget->focusPolicy() & Qt::TabFocus)
            order.append(widget->objectName());
        widget = widget->nextInFocusChain();
    }
    EXPECT_EQ(order,
              QStringList({"txtlcdx1", "txtlcdy1", "txtlcdx2", "txtlcdy2", "txtlcd", "cmdlcdread",
                           "cmdlcdfmt", "cmdwritelcd", "cdmlcdcopy", "cmdlcdpaste", "lcrlcdtxt"}));
}

} // namespace
