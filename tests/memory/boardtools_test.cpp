// The display capture, the picture loader and the EEPROM files end to end: the real main window
// and its Qt port, a pseudo-terminal, and the simulated board.
#include "app/boardfixture.h"
#include "board/lcdview.h"
#include "memory/display/capturewindow.h"
#include "memory/display/displaycapture.h"
#include "memory/display/pictureloader.h"
#include "memory/eeprom/eepromfiles.h"
#include "memory/memorywidgets.h"

#include <QFile>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>

namespace {

struct BoardTools : BoardFixture
{
    QTemporaryDir dir;

    void SetUp() override
    {
        BoardFixture::SetUp();
        // The read pages collect their reply when the focus leaves "&Read".
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    }

    template<typename T>
    T *find(const char *name = nullptr)
    {
        return name ? main->findChild<T *>(QLatin1String(name)) : main->findChild<T *>();
    }

    QString path(const char *name) const { return dir.filePath(QLatin1String(name)); }
    static ui::FileAsker answer(const QString &path)
    {
        return [path](QWidget *) {
            return path;
        };
    }

    // Sends what the buttons put on the line and waits for the board's "Ready:".
    void sendAndWait(const std::function<void()> &act)
    {
        main->clearReceived();
        act();
        EXPECT_TRUE(QTest::qWaitFor(
                [this] { return main->receivedText().endsWith(QLatin1String("Ready:\r\n")); },
                20000))
                << main->receivedText().toStdString();
    }

    memory::CaptureWindow *capture()
    {
        auto *tool = find<memory::DisplayCapture>();
        click("cmdlcdcapture");
        EXPECT_TRUE(QTest::qWaitFor([&] { return find<QWidget>("cmdlcdcapture")->isEnabled(); },
                                    10000));
        return tool->window();
    }

    void setBox(const char *name, const QString &text)
    {
        auto *box = find<QLineEdit>(name);
        box->setText(text);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(box, &out);
    }
    void setMemo(const char *name, const QString &text)
    {
        memory::setMemoText(find<QPlainTextEdit>(name), text);
    }
    QString memo(const char *name) { return memory::memoText(find<QPlainTextEdit>(name)); }

    // What the read page brings back of the first 256 bytes of the external EEPROM.
    QString readFirstBlock()
    {
        click("optxeep1");
        setBox("txteraddr", QStringLiteral("0"));
        setBox("txtebytes", QStringLiteral("256"));
        sendAndWait([this] { click("cmderead"); });
        QTest::mouseClick(find<QPlainTextEdit>("txteread")->viewport(), Qt::LeftButton);
        return memo("txteread");
    }

    // The write page's own road for hex text, with the pacing lowered after "Reformat" as a
    // person may do in the transmit delay box: 256 bytes at 200 ms would take a minute.
    void writeThroughPage()
    {
        click("cmdechk");
        EXPECT_EQ(main->transmitDelay(), "200");
        main->setTransmitDelay(QStringLiteral("1"));
        sendAndWait([this] { click("cmdewrite"); });
    }
};

TEST_F(BoardTools, ACaptureIsTheBoardsOwnDisplayPixelForPixel)
{
    // The start-up picture with a circle over it.
    sendAndWait([this] { main->send(QStringLiteral("]c]402014")); });
    memory::CaptureWindow *window = capture();
    ASSERT_NE(window, nullptr) << messages.texts.join('\n').toStdString();
    EXPECT_TRUE(window->isVisible());

    board::LcdView boardView;
    boardView.setMemory(board.lcdMemory());
    for (const int scale : {1, 3})
        EXPECT_EQ(window->image(scale), boardView.image(scale)) << scale;
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
}

TEST_F(BoardTools, ACapturedDisplaySavedAndLoadedOntoAClearedDisplayIsAsItWas)
{
    sendAndWait([this] { main->send(QStringLiteral("]c]402014")); });
    const board::LcdMemory before = board.lcdMemory();
    memory::CaptureWindow *window = capture();
    ASSERT_NE(window, nullptr) << messages.texts.join('\n').toStdString();
    window->setZoom(2);
    window->setPathAsker(answer(path("display.png")));
    window->saveImageAs();

    sendAndWait([this] { main->send(QStringLiteral("]k")); });
    ASSERT_NE(board.lcdMemory(), before);

    auto *loader = find<memory::PictureLoader>();
    loader->setPathAsker(answer(path("display.png")));
    loader->setOptionsAsker([](QWidget *, const protocol::GreyImage &, int, int) {
        return std::optional<protocol::PictureOptions>(protocol::PictureOptions{});
    });
    click("cmdlcdpicture");
    EXPECT_EQ(find<QLineEdit>("txtlcdx2")->text(), "127");
    EXPECT_EQ(find<QLineEdit>("txtlcdy2")->text(), "07");
    click("cmdlcdfmt");
    sendAndWait([this] { click("cmdwritelcd"); });
    EXPECT_EQ(board.lcdMemory(), before);
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
}

TEST_F(BoardTools, AnEepromBlockSavedAsHexErasedAndOpenedAgainReadsBackIdentical)
{
    QString pattern;
    for (int i = 0; i < 256; ++i)
        pattern += QStringLiteral("%1").arg((i * 37 + 11) % 256, 2, 16, QLatin1Char('0'));
    click("optWeep1");
    setMemo("txtewrite", pattern);
    writeThroughPage();
    ASSERT_EQ(readFirstBlock(), pattern);

    find<memory::EepromSaver>()->setPathAsker(answer(path("block.hex")));
    click("cmdesave");
    QFile saved(path("block.hex"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().startsWith(":10000000"));

    setMemo("txtewrite", QString(512, QLatin1Char('f')));
    writeThroughPage();
    ASSERT_EQ(readFirstBlock(), QString(512, QLatin1Char('f')));

    setBox("txtewaddr", QStringLiteral("100")); // the file's own address replaces it
    find<memory::EepromOpener>()->setPathAsker(answer(path("block.hex")));
    click("cmdeopen");
    EXPECT_EQ(find<QLineEdit>("txtewaddr")->text(), "0000");
    writeThroughPage();
    EXPECT_EQ(readFirstBlock(), pattern);
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
}

} // namespace
