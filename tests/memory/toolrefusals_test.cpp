// The display capture and the EEPROM files where they refuse: no complete answer, a file that
// cannot be read whole or does not fit, nothing to save; and which file form a name asks for.
#include "memory/capturewindow.h"
#include "memory/displaycapture.h"
#include "memory/eepromfiles.h"
#include "memory/pictureloader.h"
#include "memoryfixture.h"
#include "protocol/intelhex.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

namespace {

struct ToolRefusals : MemoryPagesTest
{
    QTemporaryDir dir;

    QString write(const char *name, const QByteArray &contents)
    {
        const QString path = dir.filePath(QLatin1String(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
        return path;
    }
    QByteArray contents(const char *name)
    {
        QFile file(dir.filePath(QLatin1String(name)));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }
    template<typename Tool>
    void answerWith(const QString &path)
    {
        tabs.findChild<Tool *>()->setPathAsker([path](QWidget *) { return path; });
    }
};

TEST_F(ToolRefusals, ACaptureWithoutAWholeAnswerEndsInAMessage)
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

// The answer may come in pieces, after the bare "Ready:" of frames sent before it.
TEST_F(ToolRefusals, ACaptureTakesTheAnswerAsItArrives)
{
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

TEST_F(ToolRefusals, APictureGoesOnlyIntoARectangleOnTheDisplay)
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
            {"0", "127", "3", "2", "X1 and Y1 must not lie beyond X2 and Y2"},
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

TEST_F(ToolRefusals, AnEepromFileThatCannotBeTakenWholeChangesNothing)
{
    const QByteArray goodHex = QByteArray::fromStdString(
            protocol::writeIntelHex({0x7ff0, std::vector<std::uint8_t>(16, 0xab)}));
    QByteArray badChecksum = QByteArray::fromStdString(
            protocol::writeIntelHex({0, std::vector<std::uint8_t>(20, 0x11)}));
    badChecksum[badChecksum.indexOf("\r\n:") - 1] ^= 1; // the first line's sum no longer holds
    const struct
    {
        const char *option;
        const char *name;
        QByteArray contents;
        QString message;
    } rows[] = {
            {"optWeep1", "sum.hex", badChecksum, "sum.hex: Line 1 has a bad checksum"},
            {"optWeep1", "type.hex", ":00000006FA\r\n:00000001FF\r\n",
             "type.hex: Line 1 has record type 06"},
            {"optWeep1", "gap.hex", ":0100000011EE\r\n:0100050022D8\r\n:00000001FF\r\n",
             "gap.hex: Line 2 leaves a gap in the addresses"},
            {"optweep2", "big.bin", QByteArray(257, '\0'),
             "big.bin does not fit the Internal EEPROM: 257 bytes from address 7 reach past its "
             "last address, 255. Nothing was changed."},
            {"optWeep1", "end.hex",
             QByteArray::fromStdString(
                     protocol::writeIntelHex({0x7ff8, std::vector<std::uint8_t>(9, 0)})),
             "end.hex does not fit the External EEPROM: 9 bytes from address 32760 reach past "
             "its last address, 32767. Nothing was changed."},
            {"optWeep1", "empty.bin", "", "empty.bin holds no bytes."},
    };
    setBox("txtewaddr", "0007");
    setMemo("txtewrite", "kept");
    for (const auto &row : rows) {
        click(row.option);
        answerWith<memory::EepromOpener>(write(row.name, row.contents));
        click("cmdeopen");
        const QStringList texts = shown();
        ASSERT_EQ(texts.size(), 1) << row.name;
        EXPECT_TRUE(texts.front().startsWith(row.message)) << texts.front().toStdString();
        EXPECT_EQ(box("txtewaddr"), "0007") << row.name;
        EXPECT_EQ(memo("txtewrite"), "kept") << row.name;
    }

    answerWith<memory::EepromOpener>(write("good.hex", goodHex));
    click("cmdeopen");
    EXPECT_EQ(box("txtewaddr"), "32752");
    EXPECT_EQ(memo("txtewrite"), QString("ab").repeated(16));
}

TEST_F(ToolRefusals, OpeningAskForTheEepromFirst)
{
    answerWith<memory::EepromOpener>(write("any.bin", "\x01"));
    click("cmdeopen");
    EXPECT_EQ(shown(), QStringList{"Please select Internal or External EEprom"});
    EXPECT_EQ(memo("txtewrite"), "");
}

TEST_F(ToolRefusals, SavingWritesHexOrBinaryByTheNameFromTheReadsStart)
{
    answerWith<memory::EepromSaver>(dir.filePath("none.bin"));
    click("cmdesave");
    EXPECT_EQ(shown(), QStringList{"There are no bytes to save: read the EEPROM first."});

    fillIn("txteraddr", "16");
    fillIn("txtebytes", "4");
    click("cmderead");
    fillIn("txteraddr", "99");     // after the read: not what the bytes came from
    setMemo("txteread", "deadbe"); // collected too early
    click("cmdesave");
    EXPECT_EQ(shown(), QStringList{"The box holds 3 bytes, the read asked for 4: click into it "
                                   "once the board has answered, then save."});
    setMemo("txteread", "deadbeef");
    for (const char *name : {"read.hex", "read.bin"}) {
        answerWith<memory::EepromSaver>(dir.filePath(QLatin1String(name)));
        click("cmdesave");
    }
    EXPECT_EQ(contents("read.hex"),
              QByteArray::fromStdString(protocol::writeIntelHex({16, {0xde, 0xad, 0xbe, 0xef}})));
    EXPECT_EQ(contents("read.bin"), QByteArray("\xde\xad\xbe\xef"));
    EXPECT_TRUE(shown().isEmpty());
}

} // namespace
