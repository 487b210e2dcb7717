// Whatever the board sends, the receive window shows it: every byte as one character, in order,
// line ends as CR LF, and megabytes without a line break cost seconds, not minutes.
#include "app/mainfixture.h"
#include "app/pagefront.h"
#include "memory/memorywidgets.h"
#include "protocol/lineends.h"

#include <QPlainTextEdit>
#include <QTextDocument>

#include <random>

namespace {

struct ReceiveSweep : MainFixture
{
    void SetUp() override
    {
        main.show();
        open();
    }
};

// Bytes as a board gone wrong might send them: every value, line ends and NULs more often.
QByteArray anyBytes(std::mt19937 &random, int size)
{
    static const char likely[] = {'\r', '\n', '\0', '\xff', ']'};
    QByteArray bytes;
    for (int i = 0; i < size; ++i) {
        const unsigned pick = random() % 320;
        bytes += pick < 256 ? char(pick) : likely[pick % sizeof likely];
    }
    return bytes;
}

TEST_F(ReceiveSweep, AnyBytesAreShownInOrderOneCharacterEach)
{
    std::mt19937 random(7);
    QByteArray all;
    for (int tick = 0; tick < 40; ++tick) {
        const QByteArray chunk = anyBytes(random, int(random() % 300));
        all += chunk;
        receive(chunk);
    }
    const QString expected = QString::fromLatin1(
            QByteArray::fromStdString(protocol::normaliseLineEnds(all.toStdString())));
    EXPECT_EQ(receiveWindow()->text(), expected);
}

// The read pages take the reply from the receive window when the focus leaves "&Read": the
// reply as received, without the board's eight-character trailer when it ends in one.
TEST_F(ReceiveSweep, ReadPagesTakeAnyReplyWholeOrWithoutItsTrailer)
{
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    const struct
    {
        const char *read, *result;
    } pages[] = {{"cmderead", "txteread"}, {"cmdlcdread", "txtlcd"}};
    std::mt19937 random(11);
    for (const auto &page : pages) {
        for (const QByteArray &ending :
             {QByteArray("Ready:\r\n"), QByteArray("y:"), QByteArray()}) {
            SCOPED_TRACE(std::string(page.read) + " ending " + ending.toStdString());
            auto *read = find<QPushButton>(page.read);
            bringPageToFront(read);
            QTest::mouseClick(read, Qt::LeftButton);
            for (int tick = 0; tick < 5; ++tick)
                receive(anyBytes(random, 200) + (tick == 4 ? ending : QByteArray()));
            auto *result = find<QPlainTextEdit>(page.result);
            QTest::mouseClick(result->viewport(), Qt::LeftButton);
            const QString shown = receiveWindow()->text();
            const bool trailer = shown.size() >= 8 && shown.mid(shown.size() - 4, 2) == "y:";
            EXPECT_EQ(memory::memoText(result), trailer ? shown.chopped(8) : shown);
        }
    }
}

// Qt lays out a whole paragraph again on every change, so this took minutes when the window
// kept a line as one paragraph; the test run's time limit catches a return of that.
TEST_F(ReceiveSweep, MegabytesWithoutALineBreakArriveWhole)
{
    const QByteArray line(256 * 1024, 'x');
    for (int tick = 0; tick < 8; ++tick)
        receive(line);
    receive("end\r\n");
    QCoreApplication::processEvents(); // a repaint of the window at the end of the line
    const QString shown = receiveWindow()->text();
    EXPECT_EQ(shown.size(), 8 * line.size() + 5);
    EXPECT_TRUE(shown.endsWith(QLatin1String("xend\r\n")));
    EXPECT_EQ(shown.count(QLatin1String("\r\n")), 1);
}

} // namespace
