// The dot, byte, character, fill and string pages pressed as a person would, on a fake port.
#include "app/mainfixture.h"
#include "ui/qtprinters.h"

#include <QListWidget>

namespace {

using PointPages = MainFixture;

const char *const defaultHorizontalString
        = "]h]0120]A];]K]O]R]V]E]L];]D]E]M]O];]B]Y];]V]E]N]D]R]I]X]@";

TEST_F(PointPages, EachButtonSendsItsFrameFromTheDefaults)
{
    open();
    const struct
    {
        const char *button, *frame;
    } rows[] = {
            {"Command3", "]d]4020"},
            {"cmdResetDot", "]e]4020"},
            {"cmdPutByte", "]u]0a0a7c"},
            {"cmdPutChr", "]p]0a0a]A"},
            {"cmdFill", "]f]1"},
            {"cmdH", defaultHorizontalString},
            {"cmdVs", "]v]4000]V]E]N]D]R]I]X]1]@"},
    };
    for (const auto &row : rows) {
        port.written.clear();
        click(row.button);
        EXPECT_EQ(port.wire(), row.frame) << row.button;
        EXPECT_EQ(textOf("txmText"), row.frame) << row.button;
    }
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('|').toStdString();
}

TEST_F(PointPages, EachButtonNeedsAnOpenPortAndChangesNothingWithoutOne)
{
    setText("txtH", "abc");
    for (const char *button : {"Command3", "Command4", "cmdResetDot", "cmdPutByte", "cmdPutChr",
                               "cmdFill", "cmdH", "cmdVs"}) {
        messages.texts.clear();
        click(button);
        EXPECT_EQ(messages.texts, QStringList{"Comm Port Not Open"}) << button;
    }
    EXPECT_EQ(textOf("txtH"), "abc");
    EXPECT_EQ(textOf("txmText"), "");
    EXPECT_TRUE(port.written.empty());
}

TEST_F(PointPages, DrawDotsSendsOneFramePerDotEachPacedBySend)
{
    open();
    setText("txtDotnum", "3");
    click("Command4");
    EXPECT_EQ(port.schedule(), "<20>]d<20>]0a1e<20>]d<20>]0b1e<20>]d<20>]0c1e");
    EXPECT_EQ(textOf("txmText"), "]d]0c1e");

    port.written.clear();
    setText("txtDotnum", "20");
    click("optVert");
    click("Command4");
    EXPECT_EQ(port.wire().size(), 20u * 7u);
    EXPECT_TRUE(port.wire().starts_with("]d]0a1e]d]0a1f"));
    EXPECT_EQ(textOf("txmText"), "]d]0a31");
    EXPECT_TRUE(messages.texts.isEmpty());
}

TEST_F(PointPages, DrawDotsWithoutACountOfOneOrMoreDoesNothing)
{
    open();
    for (const char *count : {"0", "-5", "", "abc", "0.5"}) {
        setText("txtDotnum", count);
        click("Command4");
    }
    EXPECT_TRUE(port.written.empty());
    EXPECT_TRUE(messages.texts.isEmpty());
    EXPECT_EQ(textOf("txmText"), "");
}

TEST_F(PointPages, ARunThatCannotBeDrawnWholeIsRefusedBeforeItsFirstDot)
{
    open();
    const struct
    {
        const char *box, *text, *message;
    } rows[] = {
            {"txtDotnum", "9E9", "Number needs a whole number from 1 to 32767"},
            {"txtDotManyx", "-5", "Many X needs a whole number from 0 up"},
            {"txtDotManyy", "-1", "Many Y needs a whole number from 0 up"},
            {"txtDotManyx", "3E9", "Many X needs a whole number from 0 up"},
    };
    for (const auto &row : rows) {
        const QString before = textOf(row.box);
        setText(row.box, row.text);
        messages.texts.clear();
        click("Command4");
        EXPECT_EQ(messages.texts, QStringList{row.message}) << row.box << " " << row.text;
        EXPECT_EQ(textOf(row.box), row.text);
        setText(row.box, before);
    }
    EXPECT_TRUE(port.written.empty());
    EXPECT_EQ(textOf("txmText"), "");
}

TEST_F(PointPages, AnEntryThatCannotBeEncodedIsNamedAndNothingIsSent)
{
    open();
    const struct
    {
        const char *button, *box, *text, *message;
    } rows[] = {
            {"Command3", "txtDotSingX", "", "Single X needs a whole number from 0 up"},
            {"cmdResetDot", "txtResety", "-1", "Y needs a whole number from 0 up"},
            {"cmdPutByte", "txtPutByte", "abc", "Byte value 0-255 needs a whole number from 0 up"},
            {"cmdPutChr", "txtPutChrx", "x", "Position X needs a whole number from 0 up"},
            {"cmdH", "txtHStrX", "-5", "X Location needs a whole number from 0 up"},
            {"cmdVs", "txtVStrY", "9E9", "Y Location needs a whole number from 0 up"},
    };
    for (const auto &row : rows) {
        setText(row.box, row.text);
        messages.texts.clear();
        click(row.button);
        EXPECT_EQ(messages.texts, QStringList{row.message}) << row.button;
        EXPECT_EQ(textOf(row.box), row.text) << row.button;
    }
    EXPECT_TRUE(port.written.empty());
    EXPECT_EQ(textOf("txmText"), "");
}

TEST_F(PointPages, PutCharacterSendsTheCharacterAsTyped)
{
    open();
    const struct
    {
        const char *character, *line, *wire;
    } rows[] = {
            {"a", "]p]0a0a]a", "]p]0a0a]a"},
            {"]", "]p]0a0a]]", "]p]0a0a]]"},
            {"", "]p]0a0a]", "]p]0a0a]"},
            {" ", "]p]0a0a] ", "]p]0a0a]"}, // send leaves off the trailing blank
    };
    for (const auto &row : rows) {
        setText("txtPutChr", row.character);
        port.written.clear();
        click("cmdPutChr");
        EXPECT_EQ(textOf("txmText"), row.line) << '"' << row.character << '"';
        EXPECT_EQ(port.wire(), row.wire) << '"' << row.character << '"';
    }
    EXPECT_TRUE(messages.texts.isEmpty());
}

TEST_F(PointPages, FillSendsTheSelectedStepOrAsksForOne)
{
    open();
    auto *steps = find<QListWidget>("List2");
    steps->setCurrentRow(8);
    click("cmdFill");
    EXPECT_EQ(port.wire(), "]f]9");

    port.written.clear();
    steps->clearSelection();
    click("cmdFill");
    EXPECT_EQ(messages.texts, QStringList{"Please enter a step value"});
    EXPECT_TRUE(port.written.empty());
}

TEST_F(PointPages, TheStringPagesShowTheirTextInUpperCaseAndSendAtMostTheirLimit)
{
    open();
    const QString forty = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789wxyz");
    const struct
    {
        const char *button, *box, *x;
        QString text, shown;
        const char *frame;
    } rows[] = {
            {"cmdH", "txtH", "10", "abc", "ABC", "]h]0A20]A]B]C]@"},
            {"cmdH", "txtH", "1", forty, forty.toUpper(),
             "]h]0120]A]B]C]D]E]F]G]H]I]J]K]L]M]N]O]P]Q]R]S]T]U]V]W]X]Y]Z]0]1]2]3]4]5]@"},
            {"cmdVs", "txtV", "64", forty.left(20), forty.left(20).toUpper(),
             "]v]4000]A]B]C]D]E]F]G]H]I]J]K]L]M]N]O]P]@"},
            {"cmdVs", "txtV", "64", " ab", " AB", "]v]4000] ]A]@"},
            {"cmdH", "txtH", "1", "a b", "A B", "]h]0120]A] ]B]@"},
    };
    for (const auto &row : rows) {
        setText(row.box, row.text);
        setText(row.button == QLatin1String("cmdH") ? "txtHStrX" : "txtVStrX", row.x);
        port.written.clear();
        click(row.button);
        EXPECT_EQ(textOf(row.box), row.shown) << row.frame;
        EXPECT_EQ(port.wire(), row.frame);
    }
}

TEST_F(PointPages, TheStringTextTurnsUpperCaseEvenWhenThePositionIsRefused)
{
    open();
    setText("txtV", "vendrix1");
    setText("txtVStrX", "abc");
    click("cmdVs");
    EXPECT_EQ(textOf("txtV"), "VENDRIX1");
    EXPECT_EQ(messages.texts, QStringList{"X Location needs a whole number from 0 up"});
    EXPECT_TRUE(port.written.empty());
}

} // namespace
