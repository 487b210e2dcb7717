// The shape, rectangle, line, bar and axis pages pressed through their real buttons, with the
// bytes on the fake port and the messages shown.
#include "pages/pagesfixture.h"

#include <QCheckBox>

namespace {

using DrawingPages = PagesFixture;

TEST_F(DrawingPages, EveryButtonSendsItsFrameWithTheDefaults)
{
    const struct
    {
        const char *button, *frame;
    } rows[] = {
            {"cmdCirc", "]c]402014"},          {"cmdSquare", "]s]402014"},
            {"cmdDiam", "]q]402014"},          {"Command2", "]t]402014"},
            {"cmdRect", "]r]007f003f]1]0000"}, {"cmdLine", "]l]007f0028"},
            {"cmdbar", "]b]14381419]1"},       {"cmdXaxis", "]x]107438]4"},
            {"cmdyaxis", "]y]0a3810]4"},
    };
    for (const auto &row : rows) {
        press(row.button);
        EXPECT_EQ(sent(), row.frame) << row.button;
        EXPECT_EQ(textOf("txmText"), QLatin1String(row.frame)) << row.button;
    }
    EXPECT_EQ(messages.texts, QStringList());
}

TEST_F(DrawingPages, WithThePortClosedOnlyTheGuardSpeaks)
{
    click("cmdCom");
    setText("txmText", "typed");
    setText("txtCx", "abc"); // the guard comes before any box is read
    setText("txtX2", "300"); // or corrected
    const char *const buttons[] = {"cmdCirc", "cmdSquare", "cmdDiam",  "Command2", "cmdRect",
                                   "cmdLine", "cmdbar",    "cmdXaxis", "cmdyaxis"};
    for (const char *button : buttons) {
        messages.texts.clear();
        press(button);
        EXPECT_EQ(messages.texts, QStringList{"Comm Port Not Open"}) << button;
    }
    EXPECT_EQ(sent(), "");
    EXPECT_EQ(textOf("txmText"), "typed");
    EXPECT_EQ(textOf("txtX2"), "300");
}

TEST_F(DrawingPages, ARefusedEntryShowsOneMessageSendsNothingAndChangesNoBox)
{
    const struct
    {
        const char *box, *text, *button, *message;
    } rows[] = {
            {"txtCx", "abc", "cmdCirc", "Circle Center X value needs a whole number from 0 up"},
            {"txtSr", "-1", "cmdSquare", "Diag Length needs a whole number from 0 up"},
            {"txtX1", "", "cmdRect", "Top Left X needs a whole number from 0 up"},
            {"txtLy2", "x", "cmdLine", "End Y2 needs a whole number from 0 up"},
            {"txtLx1", "200", "cmdLine", "Invalid Entry - Try again"},
            {"txtbarwidth", "-30", "cmdbar",
             "Top Left Y plus Width needs a whole number from 0 up"},
    };
    for (const auto &row : rows) {
        const QString before = textOf(row.box);
        setText(row.box, row.text);
        messages.texts.clear();
        press(row.button);
        EXPECT_EQ(messages.texts, QStringList{row.message}) << row.box;
        EXPECT_EQ(sent(), "") << row.box;
        EXPECT_EQ(textOf(row.box), row.text) << row.box;
        setText(row.box, before);
    }
}

TEST_F(DrawingPages, DoubleClickOnTheTabControlDrawsTheCircleFromAnyPage)
{
    setText("txtCx", "100");
    press("cmdSquare"); // the Square page is showing
    sent();
    auto *square = find<QWidget>("txtSx1")->parentWidget();
    QTest::mouseDClick(square, Qt::LeftButton, {}, square->rect().bottomRight() - QPoint(4, 4));
    EXPECT_EQ(sent(), "]c]642014");
}

TEST_F(DrawingPages, RectangleWritesItsCorrectionsBackBeforeSending)
{
    setText("txtX2", "300");
    setText("txtY1", "-5");
    setText("txtY2", "2.5");
    press("cmdRect");
    EXPECT_EQ(sent(), "]r]00ff0002]1]0000");
    EXPECT_EQ(textOf("txtX2"), "255");
    EXPECT_EQ(textOf("txtY1"), "0");
    EXPECT_EQ(textOf("txtY2"), "2.5");
}

TEST_F(DrawingPages, ClearFollowsFillButItsTickCountsWhileDisabled)
{
    auto *clear = find<QCheckBox>("chkclear");
    press("chkfill");
    EXPECT_TRUE(clear->isEnabled());
    press("chkclear");
    press("chkfill");
    EXPECT_FALSE(clear->isEnabled());
    EXPECT_TRUE(clear->isChecked());
    press("cmdRect");
    EXPECT_EQ(sent(), "]r]007f003f]1]0001");
    press("chkfill");
    press("cmdRect");
    EXPECT_EQ(sent(), "]r]007f003f]1]0101");
}

TEST_F(DrawingPages, BarOrientationSetsTheCaptionAndWhichExtentRunsAlongX)
{
    auto *caption = find<QLabel>("Label70");
    auto *extent = find<QLineEdit>("txtbarheight");
    const struct
    {
        const char *option, *caption, *frame;
    } rows[] = {
            {"optbarh", "Length", "]b]14381419]1"},
            {"optbarv", "Height", "]b]14191438]1"},
            {"optbarh", "Length", "]b]14381419]1"},
    };
    for (const auto &row : rows) {
        press(row.option);
        EXPECT_EQ(sent(), "") << row.option;
        EXPECT_EQ(caption->text(), row.caption) << row.option;
        EXPECT_EQ(extent->accessibleName(), row.caption) << row.option;
        press("cmdbar");
        EXPECT_EQ(sent(), row.frame) << row.option;
    }
}

TEST_F(DrawingPages, ListsSendTheSelectedItemAndNeverLoseTheSelection)
{
    const struct
    {
        const char *list;
        int row;
        const char *button, *frame;
    } rows[] = {
            {"List3", 2, "cmdbar", "]b]14381419]3"},
            {"lsttickx", 9, "cmdXaxis", "]x]107438]10"},
            {"lstticky", 0, "cmdyaxis", "]y]0a3810]1"},
            {"List2", 3, nullptr, nullptr},
    };
    for (const auto &row : rows) {
        auto *list = find<QListWidget>(row.list);
        bringPageToFront(list);
        QListWidgetItem *item = list->item(row.row);
        list->scrollToItem(item);
        const QPoint at = list->visualItemRect(item).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, at);
        EXPECT_EQ(list->selectedItems(), QList{item}) << row.list << " Ctrl+click";
        list->setCurrentItem(item);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Space, Qt::ControlModifier);
        EXPECT_EQ(list->selectedItems(), QList{item}) << row.list << " Ctrl+Space";
        if (row.button) {
            press(row.button);
            EXPECT_EQ(sent(), row.frame) << row.list;
        }
    }
}

} // namespace
