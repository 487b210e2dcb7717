// The EEPROM files where they refuse: a file that cannot be read whole or does not fit, nothing
// to save; and which file form a name asks for.
#include "memory/eeprom/eepromfiles.h"
#include "memory/memoryfixture.h"
#include "protocol/intelhex.h"

#include <QFile>

namespace {

struct ToolRefusals : MemoryToolsTest
{
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
};

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
