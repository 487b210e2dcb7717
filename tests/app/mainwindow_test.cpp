// Start-up, Set, the Open/Close toggle, the clear buttons and leaving the program.
#include "mainfixture.h"

#include <QSignalSpy>

namespace {

using State = ui::PortStatusLabel::State;

TEST_F(MainFixture, StartsClosedWithTheSerialDefaults)
{
    EXPECT_EQ(main.windowTitle(), "Sketra Ver 1.3.1");
    auto *list = find<QListWidget>("List1");
    ASSERT_EQ(list->count(), 9);
    EXPECT_EQ(list->item(0)->text(), "56000,n,8,1");
    EXPECT_EQ(list->item(8)->text(), "600,n,8,1");
    EXPECT_EQ(list->currentItem()->text(), "19200,n,8,1");
    EXPECT_TRUE(find<QRadioButton>("optCom1")->isChecked());
    EXPECT_EQ(find<QRadioButton>("optCom2")->toolTip(), "/dev/fake2");
    EXPECT_EQ(textOf("xmitdelay"), "20");
    EXPECT_EQ(textOf("waitchr"), "]");
    EXPECT_EQ(port.settings(), "19200,n,8,1");
    EXPECT_EQ(port.portNumber(), 1);
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(status(), "OFF");
    EXPECT_EQ(find<QLabel>("comm")->palette().color(QPalette::Window), QColor(0xC0, 0, 0));
    EXPECT_FALSE(polling());
    EXPECT_EQ(receiveWindow()->text(), "Waiting.....");
    EXPECT_TRUE(textOf("txmText").isEmpty());
    EXPECT_EQ(find<QPushButton>("cmdCom")->text(), "&Open");
    EXPECT_TRUE(find<QWidget>("lblXmit")->isHidden());
    EXPECT_TRUE(find<QWidget>("cmdClear")->isHidden());
}

TEST_F(MainFixture, SetAppliesTheSelectionOnlyWhileClosed)
{
    find<QListWidget>("List1")->setCurrentRow(5);
    find<QRadioButton>("optCom3")->setChecked(true);
    click("cmdComSet");
    EXPECT_EQ(port.settings(), "9600,n,8,1");
    EXPECT_EQ(port.portNumber(), 3);

    open();
    find<QListWidget>("List1")->setCurrentRow(8);
    find<QRadioButton>("optCom2")->setChecked(true);
    click("cmdComSet");
    EXPECT_EQ(port.settings(), "9600,n,8,1");
    EXPECT_EQ(port.portNumber(), 3);
    EXPECT_TRUE(messages.texts.isEmpty());

    click("cmdCom");
    click("cmdCom");
    EXPECT_EQ(port.openedWith, (std::vector<QString>{"9600,n,8,1 @ 3", "600,n,8,1 @ 2"}));
}

TEST_F(MainFixture, OpeningShowsTheOpenState)
{
    receiveWindow()->setText("old text");
    open();
    EXPECT_EQ(status(), "ON");
    EXPECT_EQ(find<QLabel>("comm")->palette().color(QPalette::Window), QColor(0, 0xC0, 0));
    EXPECT_TRUE(polling());
    EXPECT_EQ(receiveWindow()->text(), "Waiting.....");
    EXPECT_EQ(receiveWindow()->palette().color(QPalette::Base), QColor(0xFF, 0xFF, 0xC0));
    EXPECT_EQ(find<QLineEdit>("txmText")->palette().color(QPalette::Base),
              QColor(0xC0, 0xFF, 0xC0));
    EXPECT_FALSE(find<QWidget>("lblXmit")->isHidden());
    EXPECT_FALSE(find<QWidget>("cmdClear")->isHidden());
    EXPECT_EQ(find<QPushButton>("cmdCom")->text(), "Close");
}

TEST_F(MainFixture, ClosingWithNothingReceivedSaysSo)
{
    open();
    setText("txmText", "]k");
    click("cmdCom");
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(polling());
    EXPECT_EQ(receiveWindow()->text(), "Serial Input from PIC");
    EXPECT_TRUE(find<QWidget>("lblXmit")->isHidden());
    EXPECT_TRUE(find<QWidget>("cmdClear")->isHidden());
    EXPECT_EQ(receiveWindow()->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(find<QLineEdit>("txmText")->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_TRUE(textOf("txmText").isEmpty());
    EXPECT_EQ(status(), "OFF");
    EXPECT_EQ(find<QPushButton>("cmdCom")->text(), "Open");
}

TEST_F(MainFixture, ClosingAfterDataKeepsTheData)
{
    open();
    receive("Ready:\r");
    click("cmdCom");
    EXPECT_EQ(receiveWindow()->text(), "Ready:\r\n");
}

TEST_F(MainFixture, AFailedOpenReportsThePortNumberAndTheReason)
{
    port.openResult = serial::PortResult::failure("/dev/ttyS2: Permission denied",
                                                  "Add your user to the group dialout.");
    find<QRadioButton>("optCom3")->setChecked(true);
    find<QListWidget>("List1")->setCurrentRow(6);
    click("cmdCom");
    EXPECT_EQ(messages.texts, QStringList{"Error opening Comm:3"});
    EXPECT_EQ(messages.details.constFirst(),
              "/dev/ttyS2: Permission denied\nAdd your user to the group dialout.");
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(status(), "OFF");
    EXPECT_FALSE(polling());
    EXPECT_EQ(receiveWindow()->text(), "Waiting.....");
    EXPECT_EQ(find<QPushButton>("cmdCom")->text(), "&Open");
    EXPECT_EQ(port.settings(), "2400,n,8,1");
    EXPECT_EQ(port.portNumber(), 3);
}

TEST_F(MainFixture, BothClearButtonsSendTheClearFrame)
{
    open();
    for (const char *name : {"Command1", "cmdClearLCD"}) {
        auto *button = main.findChild<QAbstractButton *>(QLatin1String(name));
        if (!button)
            continue; // the ClearScreen page arrives with the layout
        port.written.clear();
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(textOf("txmText"), "]k") << name;
        EXPECT_EQ(port.wire(), "]k") << name;
    }
}

TEST_F(MainFixture, TransmittingButtonsNeedAnOpenPort)
{
    setText("txmText", "typed");
    click("Command1");
    EXPECT_EQ(messages.texts, QStringList{"Comm Port Not Open"});
    EXPECT_EQ(textOf("txmText"), "typed");
    EXPECT_TRUE(port.written.empty());
}

TEST_F(MainFixture, ExitClosesThePortAndEndsTheProgram)
{
    open();
    QSignalSpy exits(&main, &app::Main::exitRequested);
    click("cmdExit");
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(polling());
    EXPECT_EQ(exits.count(), 1);
}

TEST_F(MainFixture, ClosingTheWindowBehavesAsExit)
{
    open();
    main.show();
    QSignalSpy exits(&main, &app::Main::exitRequested);
    main.close();
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(exits.count(), 1);
}

} // namespace
