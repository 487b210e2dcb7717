// The boxes that check themselves when they lose the focus, driven by real focus-out events.
#include "pages/pagesfixture.h"

#include <QApplication>
#include <QFocusEvent>

namespace {

struct FieldChecks : PagesFixture
{
    void loseFocus(const char *box, Qt::FocusReason reason = Qt::TabFocusReason)
    {
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(find<QLineEdit>(box), &out);
    }

    void activate()
    {
        main.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    }
};

TEST_F(FieldChecks, EachBoxReportsAndResetsWhatBreaksItsRule)
{
    const std::string nines(400, '9');
    const struct
    {
        const char *box;
        std::string text;
        const char *message; // empty: no message
        const char *after;   // the box's text afterwards
        const char *start = nullptr, *startText = nullptr;
    } rows[] = {
            {"txtbarx", "0", "", "0"},
            {"txtbarx", "255", "", "255"},
            {"txtbarx", "-1", "Invalid Value", "20"},
            {"txtbarx", "256", "Invalid Value", "20"},
            {"txtbarx", "", "", ""},
            {"txtbarx", "12abc", "", "12abc"},
            {"txtbarx", nines + "e-1", "Invalid Value", "20"},
            {"txtbary", "300", "Invalid Value", "20"},
            {"txtXaxisx", "-5", "Invalid Value", "16"},
            {"txtXaxisy", "256", "Invalid Value", "56"},
            {"txtYAxisx", "1e3", "Invalid Value", "16"},
            {"txtYAxisy", "-0.5", "Invalid Value", "10"},
            {"txtXaxisLen", "239", "", "239", "txtXaxisx", "16"},
            {"txtXaxisLen", "240", "Out of bounds value!", "0", "txtXaxisx", "16"},
            {"txtXaxisLen", "100", "Out of bounds value!", "0", "txtXaxisx", "200"},
            {"txtXaxisLen", "-300", "", "-300", "txtXaxisx", "16"},
            {"txtXaxisLen", "255", "", "255", "txtXaxisx", "abc"},
            {"txtYAxisLen", "245", "", "245", "txtYAxisy", "10"},
            {"txtYAxisLen", "246", "Out of bounds value!", "0", "txtYAxisy", "10"},
            {"txtrs1", "1", "", "1"},
            {"txtrs1", "9", "", "9"},
            {"txtrs1", "1.5", "", "1.5"},
            {"txtrs1", "0", "Must be between 1 and 9", "1"},
            {"txtrs1", "10", "Must be between 1 and 9", "1"},
            {"txtrs1", "9.5", "Must be between 1 and 9", "1"},
            {"txtrs1", "", "Must be between 1 and 9", "1"},
            {"txtrs1", "abc", "Must be between 1 and 9", "1"},
            {"txtPutChrx", "", "", "0"},
            {"txtPutChrx", " ", "", " "},
            {"txtPutchry", "", "", "0"},
    };
    for (const auto &row : rows) {
        if (row.start)
            setText(row.start, row.startText);
        setText(row.box, QString::fromStdString(row.text));
        messages.texts.clear();
        loseFocus(row.box);
        const QStringList expected = *row.message ? QStringList{row.message} : QStringList{};
        EXPECT_EQ(messages.texts, expected) << row.box << " " << row.text.substr(0, 8);
        EXPECT_EQ(textOf(row.box), row.after) << row.box << " " << row.text.substr(0, 8);
    }
    EXPECT_EQ(sent(), "");
}

TEST_F(FieldChecks, AMessageBoxOrAnotherWindowTakingTheFocusChecksNothing)
{
    setText("txtbarx", "300");
    loseFocus("txtbarx", Qt::ActiveWindowFocusReason);
    loseFocus("txtbarx", Qt::PopupFocusReason);
    EXPECT_EQ(messages.texts, QStringList());
    EXPECT_EQ(textOf("txtbarx"), "300");
}

TEST_F(FieldChecks, AClickThatTakesTheFocusFromAFailingBoxDoesNotAct)
{
    activate();
    auto *x = find<QLineEdit>("txtbarx");
    bringPageToFront(x);
    x->setFocus();
    x->setText("300");
    QTest::mouseClick(find<QPushButton>("cmdbar"), Qt::LeftButton);
    EXPECT_EQ(messages.texts, QStringList{"Invalid Value"});
    EXPECT_EQ(textOf("txtbarx"), "20");
    EXPECT_EQ(sent(), "");
    EXPECT_TRUE(find<QPushButton>("cmdbar")->hasFocus());
    // The person has seen the reset value; the next click draws with it.
    QTest::mouseClick(find<QPushButton>("cmdbar"), Qt::LeftButton);
    EXPECT_EQ(sent(), "]b]14381419]1");
    EXPECT_EQ(messages.texts.size(), 1);
}

TEST_F(FieldChecks, ASilentResetLetsTheClickActWithTheResetText)
{
    activate();
    auto *x = find<QLineEdit>("txtPutChrx");
    bringPageToFront(x);
    x->setFocus();
    x->clear();
    QTest::mouseClick(find<QPushButton>("Command1"), Qt::LeftButton);
    EXPECT_EQ(textOf("txtPutChrx"), "0");
    EXPECT_EQ(messages.texts, QStringList());
    EXPECT_EQ(sent(), "]k");
}

} // namespace

TEST_F(FieldChecks, AMnemonicChecksTheBoxItLeavesBeforeItsButtonActs)
{
    const struct
    {
        const char *box, *text;
        Qt::Key mnemonic;
        const char *message, *after, *frame; // no message: the button acts
    } rows[] = {
            {"txtrs1", "0", Qt::Key_D, "Must be between 1 and 9", "1", ""},
            {"txtrs1", "2", Qt::Key_D, nullptr, "2", "]r]007f003f]2]0000"},
            {"txtXaxisLen", "240", Qt::Key_D, "Out of bounds value!", "0", ""},
            {"txtPutChrx", "", Qt::Key_P, nullptr, "0", "]p]000a]A"},
    };
    activate();
    for (const auto &row : rows) {
        auto *box = find<QLineEdit>(row.box);
        bringPageToFront(box);
        box->setFocus();
        box->setText(row.text);
        messages.texts.clear();
        QTest::keyClick(&main, row.mnemonic, Qt::AltModifier);
        QTest::qWait(200); // the button's press shows for a moment before it acts
        EXPECT_EQ(messages.texts, row.message ? QStringList{row.message} : QStringList{})
                << row.box;
        EXPECT_EQ(textOf(row.box), row.after) << row.box;
        EXPECT_EQ(sent(), row.frame) << row.box;
    }
}
