// The display capture and the picture loader where they refuse: no complete answer, a rectangle
// off the display.
#include "memory/display/capturewindow.h"
#include "memory/display/displaycapture.h"
#include "memory/display/pictureloader.h"
#include "memory/eeprom/eepromfiles.h"
#include "memory/memoryfixture.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#include <sys/stat.h>

namespace {

using DisplayToolRefusals = MemoryToolsTest;

TEST_F(DisplayToolRefusals, ACaptureWithoutAWholeAnswerEndsInAMessage)
{
    const QString noReply
            = QStringLiteral("No complete reply came from the board: the display could not be "
                             "captured. Check the port settings and that the board is on, then "
                             "try again.");
    const struct
    {
        const char *answer;
        QString message;
    } rows[] = {
            {"", noReply},
            {"00ff00", noReply}, // cut short: no "Ready:"
            {"Error: frame cut short: ]n]007f\r\n",
             QStringLiteral("The board refused to read its display:")},
            {"Ready:\r\n00ffReady:\r\n",
             QStringLiteral("The board's answer is not the whole display: 2 bytes where 1024 "
                            "were expected.")},
    };
    tabs.findChild<memory::DisplayCapture *>()->setQuietLimit(std::chrono::milliseconds(100));
    link.received = QStringLiteral("earlier answers stay");
    for (const auto &row : rows) {
        click("cmdlcdcapture");
        EXPECT_EQ(sent(), QStringList{"]n]007f0007"}) << row.answer;
        EXPECT_FALSE(enabled("cmdlcdcapture")) << row.answer; // until the answer is in
        emit link.board.received(row.answer);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !messages.texts.isEmpty(); }, 3000));
        EXPECT_EQ(shown(), QStringList{row.message}) << row.answer;
        EXPECT_TRUE(enabled("cmdlcdcapture"));
    }
    EXPECT_EQ(tabs.findChild<memory::DisplayCapture *>()->window(), nullptr);
    EXPECT_EQ(link.received, "earlier answers stay");

    // A device that goes away ends the wait without a second message: the loss has its own.
    click("cmdlcdcapture");
    EXPECT_EQ(sent(), QStringList{"]n]007f0007"});
    emit link.board.lost();
    EXPECT_TRUE(enabled("cmdlcdcapture"));
    QTest::qWait(200);
    EXPECT_TRUE(shown().isEmpty());

    clickWithPortClosed("cmdlcdcapture");
    EXPECT_TRUE(sent().isEmpty());
}

// The answer may come in pieces, after the bare "Ready:" of frames sent before it, and the
// board's time to answer counts from the end of a read that took long to go out.
TEST_F(DisplayToolRefusals, ACaptureTakesTheAnswerAsItArrives)
{
    tabs.findChild<memory::DisplayCapture *>()->setQuietLimit(std::chrono::milliseconds(100));
    link.whileSending = [] {
        QTest::qWait(300);
    };
    click("cmdlcdcapture");
    emit link.board.received("Ready:\r");
    emit link.board.received(QString("01").repeated(1000).toLatin1());
    emit link.board.received(QString("01").repeated(24).toLatin1() + "Ready:\r");
    auto *capture = tabs.findChild<memory::DisplayCapture *>();
    ASSERT_NE(capture->window(), nullptr) << shown().join('\n').toStdString();
    const protocol::Bitmap &picture = capture->window()->picture();
    int lit = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 128; ++x)
            lit += picture.at(x, y) ? 1 : 0;
    EXPECT_EQ(lit, 128 * 8); // the top row of every page
    EXPECT_TRUE(picture.at(0, 0) && picture.at(127, 56) && !picture.at(0, 1));
    EXPECT_TRUE(shown().isEmpty());
}

TEST_F(DisplayToolRefusals, APictureGoesOnlyIntoARectangleOnTheDisplay)
{
    const struct
    {
        const char *x1, *x2, *y1, *y2;
        QString message;
    } rows[] = {
            {"", "127", "0", "7", "Start at X1 needs a whole number from 0 up"},
            {"0", "128", "0", "7",
             "The rectangle must lie on the display: X from 0 to 127, Y from 0 to 7"},
            {"0", "5000", "0", "7",
             "The rectangle must lie on the display: X from 0 to 127, Y from 0 to 7"},
            {"0", "127", "3", "2", "Entry Error! Check X1,Y1 and X2,Y2 values"},
    };
    int asked = 0;
    tabs.findChild<memory::PictureLoader *>()->setPathAsker([&](QWidget *) {
        ++asked;
        return QString();
    });
    for (const auto &row : rows) {
        setBox("txtlcdx1", row.x1);
        setBox("txtlcdx2", row.x2);
        setBox("txtlcdy1", row.y1);
        setBox("txtlcdy2", row.y2);
        click("cmdlcdpicture");
        EXPECT_EQ(shown(), QStringList{row.message}) << row.x1 << " " << row.x2;
    }
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(memo("txtlcd"), "");

    // A black picture onto one page of eight columns across the two halves of the display.
    QImage black(8, 8, QImage::Format_RGB32);
    black.fill(Qt::black);
    const QString path = dir.filePath("black.png");
    ASSERT_TRUE(black.save(path));
    answerWith<memory::PictureLoader>(path);
    tabs.findChild<memory::PictureLoader *>()->setOptionsAsker(
            [](QWidget *, const protocol::GreyImage &, int width, int height) {
                EXPECT_EQ(width * 1000 + height, 8008);
                return std::optional<protocol::PictureOptions>(protocol::PictureOptions{});
            });
    setBox("txtlcdx1", "60");
    setBox("txtlcdx2", "67");
    setBox("txtlcdy1", "1");
    setBox("txtlcdy2", "1");
    click("cmdlcdpicture");
    EXPECT_EQ(memo("txtlcd"), QString("ff").repeated(8));
    const QStringList corners{box("txtlcdx1"), box("txtlcdx2"), box("txtlcdy1"), box("txtlcdy2")};
    EXPECT_EQ(corners, (QStringList{"060", "067", "01", "01"}));
    EXPECT_TRUE(enabled("cmdlcdfmt"));
    EXPECT_TRUE(shown().isEmpty());
}

// A pipe would block the window until something writes to it, /dev/zero never ends: the file
// tools take regular files only, a link to one included.
TEST_F(DisplayToolRefusals, TheFileToolsReadRegularFilesOnly)
{
    const QString fifo = dir.filePath("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QImage white(8, 8, QImage::Format_RGB32);
    white.fill(Qt::white);
    ASSERT_TRUE(white.save(dir.filePath("white.png")));
    ASSERT_TRUE(QFile::link(dir.filePath("white.png"), dir.filePath("link.png")));
    QFile data(dir.filePath("data.bin"));
    ASSERT_TRUE(data.open(QIODevice::WriteOnly) && data.write("\x01\x02") == 2);
    data.close();
    ASSERT_TRUE(QFile::link(dir.filePath("data.bin"), dir.filePath("link.bin")));
    const struct
    {
        QString bytes, picture; // what "Open..." and "Load picture..." are given
        QString message;        // empty: taken
    } rows[] = {
            {fifo, fifo, fifo + " is a pipe, not a file"},
            {"/dev/zero", "/dev/zero", "/dev/zero is a device, not a file"},
            {dir.path(), dir.path(), dir.path() + " is a folder, not a file"},
            {dir.filePath("link.bin"), dir.filePath("link.png"), ""},
    };
    tabs.findChild<memory::PictureLoader *>()->setOptionsAsker(
            [](QWidget *, const protocol::GreyImage &, int, int) {
                return std::optional<protocol::PictureOptions>(protocol::PictureOptions{});
            });
    click("optweep2");
    for (const auto &row : rows) {
        SCOPED_TRACE(row.bytes.toStdString());
        answerWith<memory::EepromOpener>(row.bytes);
        click("cmdeopen");
        answerWith<memory::PictureLoader>(row.picture);
        click("cmdlcdpicture");
        const QStringList texts = shown();
        if (row.message.isEmpty()) {
            EXPECT_TRUE(texts.isEmpty()) << texts.join('\n').toStdString();
            EXPECT_EQ(memo("txtewrite"), "0102");
            EXPECT_EQ(memo("txtlcd"), QString("00").repeated(1024));
            continue;
        }
        ASSERT_EQ(texts.size(), 2);
        for (const QString &text : texts)
            EXPECT_TRUE(text.startsWith(row.message)) << text.toStdString();
        EXPECT_EQ(memo("txtewrite") + memo("txtlcd"), "");
    }
}

// Opening a pipe to write to waits for a reader: "Save image..." would hang the window.
TEST_F(DisplayToolRefusals, AnImageIsNotSavedToAPipe)
{
    const QString fifo = dir.filePath("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    memory::CaptureWindow capture(messages, nullptr);
    capture.setPicture({2, 1, {1, 0}});
    capture.setPathAsker([&](QWidget *) { return fifo; });
    capture.saveImageAs();
    EXPECT_EQ(shown(), QStringList{fifo + " is a pipe, not a file, so nothing was written to it."});
    EXPECT_FALSE(QFileInfo(fifo).isFile());
}

// Qt's image memory is made small here, so that a small picture stands for a phone photo.
TEST_F(DisplayToolRefusals, APictureTooLargeForMemoryIsReadAtTheSizeTheDisplayNeeds)
{
    const int limit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(16); // MB: 4500 x 1000 pixels need 18
    QImage photo(4500, 1000, QImage::Format_RGB888);
    photo.fill(Qt::black);
    ASSERT_TRUE(photo.save(dir.filePath("photo.jpg")));
    ASSERT_TRUE(photo.save(dir.filePath("photo.bmp"))); // no scaling while it is decoded
    tabs.findChild<memory::PictureLoader *>()->setOptionsAsker(
            [](QWidget *, const protocol::GreyImage &picture, int, int) {
                EXPECT_EQ(picture.width * 10000 + picture.height, 1024 * 10000 + 227);
                return std::optional<protocol::PictureOptions>(protocol::PictureOptions{});
            });
    answerWith<memory::PictureLoader>(dir.filePath("photo.jpg"));
    click("cmdlcdpicture");
    EXPECT_TRUE(shown().isEmpty());
    EXPECT_TRUE(memo("txtlcd").contains("ff")); // black bands above and below a fit

    setMemo("txtlcd", "");
    answerWith<memory::PictureLoader>(dir.filePath("photo.bmp"));
    click("cmdlcdpicture");
    QImageReader::setAllocationLimit(limit);
    EXPECT_EQ(shown(), QStringList{"photo.bmp is a picture of 4500 x 1000 pixels, too large to be "
                                   "read here: a smaller copy of it can be loaded."});
    EXPECT_EQ(memo("txtlcd"), "");
}

} // namespace
