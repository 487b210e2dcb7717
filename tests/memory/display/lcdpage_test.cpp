// LCD Read/Write: the read frame and its reply, and the loosely coupled Reformat and Write.
#include "memory/memoryfixture.h"

namespace {

using LcdReadWrite = MemoryPagesTest;

TEST_F(LcdReadWrite, ReadSendsTheCornersXBeforeYAndCollectsTheReply)
{
    const char *const corners[]
            = {"txtlcdx1", "10", "txtlcdx2", "20", "txtlcdy1", "1", "txtlcdy2", "2"};
    for (int i = 0; i < 8; i += 2)
        setBox(corners[i], corners[i + 1]);
    link.received = QStringLiteral("before");
    click("cmdlcdread");
    EXPECT_EQ(sent(), QStringList{"]n]0a140102"});
    EXPECT_EQ(memo("txtlcd") + link.received, "CLICK HERE");

    link.received = QStringLiteral("a1b2c3d4Ready:\r\n");
    leave("cmdlcdread");
    EXPECT_EQ(memo("txtlcd"), "a1b2c3d4");
    EXPECT_TRUE(enabled("cmdwritelcd")); // through the change of the text
}

TEST_F(LcdReadWrite, StepsButtonsPacingAndFrames)
{
    const QString reminder = QStringLiteral("Make sure you Reformat the text before writing");
    const WriteStep steps[] = {
            {"as the window opens", [] {}, true, false, "20", {}, {}},
            {"typing enables Write", [&] { type("txtlcd", "ff"); }, true, true, "20", {}, {}},
            {"port closed: no reminder",
             [&] { clickWithPortClosed("cmdwritelcd"); },
             true,
             true,
             "20",
             {},
             {}},
            {"not reformatted: a reminder, and sent",
             [&] { click("cmdwritelcd"); },
             true,
             true,
             "20",
             {reminder},
             {"]m]00000000ff"}},
            {"a corner that is no number: the reminder, then its refusal",
             [&] {
                 setBox("txtlcdy2", "");
                 click("cmdwritelcd");
                 setBox("txtlcdy2", "00");
             },
             true,
             true,
             "20",
             {reminder, "End at Y2 needs a whole number from 0 up"},
             {}},
            {"sizes differ",
             [&] {
                 setBox("txtlcdx2", "1");
                 click("cmdlcdfmt");
             },
             true,
             true,
             "20",
             {"Sum of X,Y bytes do not equal the text bytes"},
             {}},
            {"reformat",
             [&] {
                 setBox("txtlcdx2", "0");
                 click("cmdlcdfmt");
             },
             false,
             true,
             "5",
             {},
             {}},
            {"write", [&] { click("cmdwritelcd"); }, false, true, "5", {}, {"]m]00000000]ff"}},
            {"an edit after a reformat goes without a reminder",
             [&] {
                 type("txtlcd", "x");
                 click("cmdwritelcd");
             },
             false,
             true,
             "5",
             {},
             {"]m]00000000x]ff"}},
            {"copy of nothing still enables Reformat",
             [&] {
                 setMemo("txtlcd", "");
                 click("cdmlcdcopy");
             },
             true,
             true,
             "5",
             {"Nothing to there to copy!"},
             {}},
            {"clear", [&] { click("lcrlcdtxt"); }, true, false, "5", {}, {}},
            {"paste of nothing",
             [&] { paste("", "cmdlcdpaste"); },
             true,
             false,
             "5",
             {"Nothing to paste!"},
             {}},
            {"paste", [&] { paste("a1b2", "cmdlcdpaste"); }, true, true, "5", {}, {}},
    };
    walk("cmdlcdfmt", "cmdwritelcd", steps);
    EXPECT_EQ(label("xybytes") + label("txtbytes"), "00010001");
}

TEST_F(LcdReadWrite, TabFollowsThePageListTheTextBeforeTheButtons)
{
    QStringList order;
    for (QWidget *widget = find<QWidget>("txtlcdx1"); order.size() < 7;
         widget = widget->nextInFocusChain()) {
        if (widget->focusPolicy() & Qt::TabFocus)
            order.append(widget->objectName());
    }
    EXPECT_EQ(order, QStringList({"txtlcdx1", "txtlcdy1", "txtlcdx2", "txtlcdy2", "txtlcd",
                                  "cmdlcdread", "cmdlcdfmt"}));
    tabs.show();
    tabs.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&tabs));
    tabs.setCurrentIndex(20);
    find<QWidget>("txtlcd")->setFocus();
    QTest::keyClick(find<QWidget>("txtlcd"), Qt::Key_Tab);
    EXPECT_TRUE(find<QWidget>("cmdlcdread")->hasFocus());
    EXPECT_EQ(memo("txtlcd"), "");
}

} // namespace
