// Walks the main window's tab pages against the layout as the board's users know it: every
// control once, on its page, with its kind, caption or default, typing limit and first state.

#include "fakelink.h"
#include "qtprinters.h"
#include "support/recordingmessages.h"
#include "ui/pagetabs.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

namespace {

enum Kind { Line, Memo, Label, Check, Option, List, Button };
enum State { Plain, Selected, Disabled };

struct Expected
{
    int page;
    const char *name;
    Kind kind;
    const char *text; // caption, default, or list items joined by '|'
    int limit = 0;
    State state = Plain;
    const char *accessible = ""; // text boxes and lists: the label a screen reader gives
    const char *startupItem = "";
};

// clang-format off
const Expected controls[] = {
    {0, "txtCx", Line, "64", 0, Plain, "Circle Center X value"},
    {0, "txtCy", Line, "32", 0, Plain, "Circle Center Y value"},
    {0, "txtcr", Line, "20", 0, Plain, "Circle Radius Pixels"},
    {0, "cmdCirc", Button, "&Draw Circle"},
    {1, "txtSx1", Line, "64", 3, Plain, "Center X"},
    {1, "txtSy1", Line, "32", 3, Plain, "Center Y"},
    {1, "txtSr", Line, "20", 2, Plain, "Diag Length"},
    {1, "cmdSquare", Button, "&Draw Square"},
    {2, "txtX1", Line, "0", 3, Plain, "Top Left X"},
    {2, "txtY1", Line, "0", 3, Plain, "Top Left Y"},
    {2, "txtX2", Line, "127", 3, Plain, "Bottom Rt X"},
    {2, "txtY2", Line, "63", 3, Plain, "Bottom Rt Y"},
    {2, "txtrs1", Line, "1", 0, Plain, "Step 1-9"},
    {2, "chkfill", Check, "Fill"},
    {2, "chkclear", Check, "Clear", 0, Disabled},
    {2, "cmdRect", Button, "&Draw Rectangle"},
    {3, "txtDx", Line, "64", 0, Plain, "Diamond Center X"},
    {3, "txtDy", Line, "32", 0, Plain, "Diamond Center Y"},
    {3, "txtDr", Line, "20", 0, Plain, "Center-to-side in pixels"},
    {3, "cmdDiam", Button, "&Draw Diamond"},
    {4, "txtStarx", Line, "64", 0, Plain, "Center of Star X"},
    {4, "txtStary", Line, "32", 0, Plain, "Center of Star Y"},
    {4, "txtStarr", Line, "20", 0, Plain, "Center-to-Point in pixels"},
    {4, "Command2", Button, "&Draw Star4"},
    {5, "txtLx1", Line, "00", 0, Plain, "Begin X1"},
    {5, "txtLy1", Line, "00", 0, Plain, "Begin Y1"},
    {5, "txtLx2", Line, "127", 0, Plain, "End X2"},
    {5, "txtLy2", Line, "40", 0, Plain, "End Y2"},
    {5, "cmdLine", Button, "&Draw Line"},
    {6, "txtbarx", Line, "20", 3, Plain, "Top Left X"},
    {6, "txtbary", Line, "20", 3, Plain, "Top Left Y"},
    {6, "Label70", Label, "Height"},
    {6, "txtbarheight", Line, "36", 3, Plain, "Height"},
    {6, "txtbarwidth", Line, "5", 3, Plain, "Width"},
    {6, "optbarv", Option, "Vert"},
    {6, "optbarh", Option, "Horiz"},
    {6, "List3", List, "1|2|3|4|5", 0, Plain, "Step by pixels", "1"},
    {6, "cmdbar", Button, "&Draw Bar"},
    {7, "txtXaxisx", Line, "16", 3, Plain, "Starting Point X"},
    {7, "txtXaxisy", Line, "56", 3, Plain, "Starting Point Y"},
    {7, "txtXaxisLen", Line, "100", 3, Plain, "Length in pixels"},
    {7, "lsttickx", List, "1|2|3|4|5|6|7|8|9|10", 0, Plain, "Tick every Pixels", "4"},
    {7, "cmdXaxis", Button, "&Draw X-Axis"},
    {8, "txtYAxisx", Line, "16", 3, Plain, "Starting Point X"},
    {8, "txtYAxisy", Line, "10", 3, Plain, "Starting Point Y"},
    {8, "txtYAxisLen", Line, "46", 3, Plain, "Length in pixels"},
    {8, "lstticky", List, "1|2|3|4|5|6|7|8|9|10", 0, Plain, "Tick every Pixels", "4"},
    {8, "cmdyaxis", Button, "&Draw Y-Axis"},
    {9, "txtDotSingX", Line, "64", 3, Plain, "Single X"},
    {9, "txtDotSingy", Line, "32", 3, Plain, "Single Y"},
    {9, "Command3", Button, "&Set Dot"},
    {9, "txtDotManyx", Line, "10", 3, Plain, "Many X"},
    {9, "txtDotManyy", Line, "30", 3, Plain, "Many Y"},
    {9, "txtDotnum", Line, "20", 3, Plain, "Number"},
    {9, "optHoriz", Option, "Horzontal", 0, Selected},
    {9, "optVert", Option, "Vertical"},
    {9, "Command4", Button, "&Draw Dots"},
    {10, "txtResetx", Line, "64", 3, Plain, "X"},
    {10, "txtResety", Line, "32", 3, Plain, "Y"},
    {10, "cmdResetDot", Button, "&Reset Dot"},
    {11, "txtPutBytex", Line, "10", 3, Plain, "X"},
    {11, "txtPutBytey", Line, "10", 3, Plain, "Y"},
    {11, "txtPutByte", Line, "124", 3, Plain, "Byte value 0-255"},
    {11, "cmdPutByte", Button, "&Put Byte"},
    {12, "txtPutChrx", Line, "10", 3, Plain, "Position X"},
    {12, "txtPutchry", Line, "10", 3, Plain, "Position Y"},
    {12, "txtPutChr", Line, "A", 1, Plain, "Charcter A-Z, 0-9 ONLY"},
    {12, "cmdPutChr", Button, "&Put Character"},
    {13, "List2", List, "1|2|3|4|5|6|7|8|9", 0, Plain, "Step Value", "1"},
    {13, "cmdFill", Button, "&FILL"},
    {14, "cmdClearLCD", Button, "Clear &Display"},
    {15, "txtH", Line, "A;KORVEL;DEMO;BY;VENDRIX", 0, Plain, "String"},
    {15, "txtHStrX", Line, "1", 0, Plain, "X Location"},
    {15, "txtHStrY", Line, "32", 0, Plain, "Y Location"},
    {15, "cmdH", Button, "&Send"},
    {16, "txtV", Line, "VENDRIX1", 0, Plain, "String"},
    {16, "txtVStrX", Line, "64", 3, Plain, "X Location"},
    {16, "txtVStrY", Line, "0", 3, Plain, "Y Location"},
    {16, "cmdVs", Button, "&Send"},
    {17, "Label88", Label, nullptr},
    {18, "optxeep1", Option, "External", 0, Selected},
    {18, "optxeep2", Option, "Internal"},
    {18, "txteraddr", Line, "0000", 4, Plain, "Address"},
    {18, "txtebytes", Line, "0000", 4, Plain, "Number"},
    {18, "readeep", Label, "0000"},
    {18, "cmderead", Button, "&Read"},
    {18, "txteread", Memo, ""},
    {18, "cmdecopy", Button, "&Copy"},
    {18, "cmdereadclr", Button, "Clear"},
    {19, "optWeep1", Option, "Ext I2C"},
    {19, "optweep2", Option, "Internal"},
    {19, "txtewaddr", Line, "0000", 4, Plain, "Start Address"},
    {19, "lbleend", Label, "0000"},
    {19, "txtewrite", Memo, "", 0, Plain, "Enter hex format (hh) only"},
    {19, "cmdechk", Button, "Reformat"},
    {19, "cmdewrite", Button, "&Write", 0, Disabled},
    {19, "cmdepaste", Button, "&Paste"},
    {19, "cmdeclr", Button, "Clear"},
    {20, "txtlcdx1", Line, "000", 3, Plain, "Start at X1"},
    {20, "txtlcdy1", Line, "00", 3, Plain, "Start at Y1"},
    {20, "txtlcdx2", Line, "000", 3, Plain, "End at X2"},
    {20, "txtlcdy2", Line, "00", 3, Plain, "End at Y2"},
    {20, "xybytes", Label, "0000"},
    {20, "txtbytes", Label, "0000"},
    {20, "txtlcd", Memo, ""},
    {20, "cmdlcdread", Button, "&Read"},
    {20, "cmdlcdfmt", Button, "Reformat to Send"},
    {20, "cmdwritelcd", Button, "&Write", 0, Disabled},
    {20, "cdmlcdcopy", Button, "&Copy"},
    {20, "cmdlcdpaste", Button, "&Paste"},
    {20, "lcrlcdtxt", Button, "Clear"},
};

const char *const captions[] = {
    "Circle", "Square", " Rectangle / Lines", "Square45", "Star4", "Line", "Bar", "X-Axis",
    "Y-Axis", "SetDot", "ResetDot", "PutByte", "PutChar", "FillScreen", "ClearScreen",
    "Horiz String", "Vert String", "INFO", "Read EEprom", "Write EEprom", "LCD Read/Write",
};

// The words each page shows besides its controls: labels, frame titles, the explanation.
const struct
{
    int page;
    std::vector<const char *> texts;
} pageTexts[] = {
    {0, {"Draws a circle given the center  (x,y) and the radius  in pixels", "Circle Center",
         "X value", "Y value", "Circle Radius", "Pixels"}},
    {1, {"Draws a square given the center location (x,y) and 1/2 the length of a side in pixels",
         "Center X           Y", "Diag Length"}},
    {2, {"Draws a rectangle given the x,y coordinates of the top left and bottom right "
         "locations. Step value creates a dashed lines. For straight lines, keep both the top "
         "and bottom x or y values the same",
         "Top Left  X     Y", "Bottom Rt X     Y", "Step 1-9"}},
    {3, {"Draws a diamond shape", "Diamond Center XY", "Center-to-side in pixels"}},
    {4, {"Draws Four Point Star (dashed lines)", "Center of Star XY",
         "Center-to-Point in pixels"}},
    {5, {"This has limitations due to the aspect ratio of the LCD. Line must extend from the "
         "left to the right and from top to bottom It cannot run a complete diagonal of the "
         "display .",
         "Line Parameters", "Begin", "X1", "Y1", "End", "X2", "Y2", "Experimental"}},
    {6, {"Draws a filled bar from x,y with a given height or length and width. Step determines "
         "the pattern",
         "Top Left", "X", "Y", "Width", "Step by", "pixels"}},
    {7, {"Draw the x-axis of a chart with tick marks", "Starting Point", "Length in pixels",
         "Tick every", "Pixels"}},
    {8, {"Draw the y-axis of a chart with tick marks", "Starting Point", "Length in pixels"}},
    {9, {"Single", "Many", "X", "Y", "Number"}},
    {10, {"An XOR function, if the dot is set it will clear it else it will set it"}},
    {11, {"Places a byte at X,Y location", "Byte value 0-255"}},
    {12, {"Places a character at X,Y location", "Position", "Charcter A-Z, 0-9 ONLY"}},
    {13, {"Fills the LCD display with pixels, step value can be set for different designs "
          "(grids)",
          "Step Value"}},
    {14, {"Clears the LCD Display"}},
    {15, {"Place a string horizontally. Depending on the LCD the line may or may not adavance "
          "to the next line.  For a space enter a ;",
          "String", "  X    -    Y Location"}},
    {16, {"Place a string of characters vertically, maximum 16 (varies by LCD size) "
          "characters. For a space enter a ;",
          "String", "X-Y Location"}},
    {18, {"Address", "Number", "End Addr"}},
    {19, {"Start Address", "End Address", "Enter hex format (hh) only"}},
    {20, {"LCD map X, Y coordinates", "Start at:", "End at:", "X1", "Y1", "X2", "Y2", "Bytes:",
          "Text area Bytes:"}},
};
// clang-format on

class PageLayout : public ::testing::Test
{
protected:
    PageLayout() { tabs.selectStartupItems(); }

    testing_support::FakeLink link;
    testing_support::RecordingMessages messages;
    ui::PageTabs tabs{link, messages};
};

bool isKind(QWidget *widget, Kind kind)
{
    switch (kind) {
    case Line:
        return qobject_cast<QLineEdit *>(widget);
    case Memo:
        return qobject_cast<QPlainTextEdit *>(widget);
    case Label:
        return qobject_cast<QLabel *>(widget);
    case Check:
        return qobject_cast<QCheckBox *>(widget);
    case Option:
        return qobject_cast<QRadioButton *>(widget);
    case List:
        return qobject_cast<QListWidget *>(widget);
    case Button:
        return qobject_cast<QPushButton *>(widget);
    }
    return false;
}

QString textOf(QWidget *widget)
{
    if (auto *line = qobject_cast<QLineEdit *>(widget))
        return line->text();
    if (auto *memo = qobject_cast<QPlainTextEdit *>(widget))
        return memo->toPlainText();
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return button->text();
    QStringList items;
    auto *list = qobject_cast<QListWidget *>(widget);
    for (int i = 0; i < list->count(); ++i)
        items.append(list->item(i)->text());
    return items.join(QLatin1Char('|'));
}

TEST_F(PageLayout, TabsCarryTheCaptionsInOrder)
{
    ASSERT_EQ(tabs.count(), 21);
    for (int i = 0; i < 21; ++i)
        EXPECT_EQ(tabs.tabText(i), QString::fromUtf8(captions[i])) << i;
}

TEST_F(PageLayout, EveryControlIsBuiltOnceOnItsPageAsListed)
{
    for (const Expected &row : controls) {
        SCOPED_TRACE(row.name);
        const auto found = tabs.findChildren<QWidget *>(QString::fromLatin1(row.name));
        ASSERT_EQ(found.size(), 1);
        QWidget *widget = found.front();
        EXPECT_TRUE(tabs.page(row.page)->isAncestorOf(widget));
        EXPECT_TRUE(isKind(widget, row.kind));
        if (row.text) {
            EXPECT_EQ(textOf(widget), QString::fromUtf8(row.text));
        }
        EXPECT_EQ(widget->isEnabled(), row.state != Disabled);
        EXPECT_FALSE(widget->isHidden()); // no control of the pages starts hidden
        if (auto *button = qobject_cast<QAbstractButton *>(widget); button && row.kind != Button) {
            EXPECT_EQ(button->isChecked(), row.state == Selected);
        }
        if (row.kind == Line || row.kind == List || *row.accessible) {
            EXPECT_EQ(widget->accessibleName(), QString::fromUtf8(row.accessible));
        }
        if (row.kind == Memo) {
            EXPECT_FALSE(widget->accessibleName().isEmpty());
        }
        if (row.kind == List) {
            EXPECT_EQ(qobject_cast<QListWidget *>(widget)->currentItem()->text(),
                      QString::fromUtf8(row.startupItem));
        }
    }
}

// Typing stops at the limit; a longer text the program puts in (a paste button, a reply
// copied in) stays whole.
TEST_F(PageLayout, TypingLimitsHoldForTypedTextOnly)
{
    for (const Expected &row : controls) {
        if (row.kind != Line)
            continue;
        SCOPED_TRACE(row.name);
        auto *box = tabs.findChild<QLineEdit *>(QString::fromLatin1(row.name));
        box->setText(QString());
        QTest::keyClicks(box, QStringLiteral("123456789"));
        EXPECT_EQ(box->text().size(), row.limit ? row.limit : 9);
        box->setText(QStringLiteral("0123456789"));
        EXPECT_EQ(box->text(), QStringLiteral("0123456789"));
    }
}

TEST_F(PageLayout, EveryPageShowsItsWordsExactly)
{
    for (const auto &page : pageTexts) {
        QStringList shown;
        for (QLabel *label : tabs.page(page.page)->findChildren<QLabel *>())
            shown.append(label->text());
        for (QGroupBox *group : tabs.page(page.page)->findChildren<QGroupBox *>())
            shown.append(group->title());
        for (const char *text : page.texts)
            EXPECT_TRUE(shown.contains(QString::fromUtf8(text))) << page.page << ": " << text;
    }
}

TEST_F(PageLayout, InfoNamesTheBoardAndWhereToAsk)
{
    const QString info = tabs.findChild<QLabel *>(QStringLiteral("Label88"))->text();
    EXPECT_TRUE(info.contains(QStringLiteral(
            "The functions in this application are expicitly written for LCD applications "
            "written in PICBasicPro Ver.2.32")));
    EXPECT_TRUE(info.contains(QStringLiteral("Korvel board")));
    EXPECT_TRUE(info.contains(QStringLiteral("@korvel.example.org")));
    // Web and mail addresses are ours, never a real company's.
    const QRegularExpression address(QStringLiteral("(\\S+@\\S+|www\\.\\S+|https?://\\S+)"));
    int addresses = 0;
    for (auto it = address.globalMatch(info); it.hasNext(); ++addresses) {
        QString found = it.next().captured(1);
        while (found.endsWith(QLatin1Char('.')) || found.endsWith(QLatin1Char(',')))
            found.chop(1);
        EXPECT_TRUE(found.endsWith(QLatin1String("example.org"))) << found.toStdString();
    }
    EXPECT_GE(addresses, 2); // the web site and where to write
}

TEST_F(PageLayout, ParagraphHeightsFollowTheirTextAndFont)
{
    // A paragraph keeps the heights it has worked out: they must be those a plain wrapped
    // label gives, before and after its font or text changes.
    auto *info = tabs.findChild<QLabel *>(QStringLiteral("Label88"));
    const auto heightsMatch = [info](const char *when) {
        QLabel plain(info->text());
        plain.setTextFormat(Qt::PlainText);
        plain.setWordWrap(true);
        plain.setFont(info->font());
        for (int width : {120, 300, 120, 600})
            EXPECT_EQ(info->heightForWidth(width), plain.heightForWidth(width))
                    << when << ", width " << width;
    };
    heightsMatch("as built");
    QFont larger = info->font();
    larger.setPointSize(larger.pointSize() * 2);
    info->setFont(larger);
    heightsMatch("in a larger font");
    info->setText(info->text().repeated(3));
    heightsMatch("with a longer text");
}

TEST_F(PageLayout, ClearDisplayButtonSendsTheClearFrameOnlyWhenThePortIsOpen)
{
    auto *clear = tabs.findChild<QPushButton *>(QStringLiteral("cmdClearLCD"));
    link.open = false;
    clear->click();
    EXPECT_EQ(link.guards, 1);
    EXPECT_TRUE(link.frames.isEmpty());
    link.open = true;
    clear->click();
    EXPECT_EQ(link.frames, QStringList{QStringLiteral("]k")});
}

} // namespace
