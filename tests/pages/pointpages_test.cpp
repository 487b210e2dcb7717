// The dot, byte, character, fill and string pages pressed as a person would, on a fake port.
#include "app/mainfixture.h"
#include "ui/qtprinters.h"

namespace {

using PointPages = MainFixture;

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
            {"cmdH", "]h]0120]A];]K]O]R]V]E]L];]D]E]M]O];]B]Y];]V]E]N]D]R]I]X]@"},
            {"cmdVs", "]v]4000]V]E]N]D]R]I]X]1]@"},
    };
    for (const auto &row : rows) {
        port.written.clear();
        click(row.button);
        EXPECT_EQ(port.wire(), row.frame);
        EXPECT_EQ(textOf("txmText"), row.frame);
    }
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('|').toStdString();
}

TEST_F(PointPages, ButtonsWithARoadOfTheirOwnNeedAnOpenPortAndChangeNothingWithoutOne)
{
    setText("txtH", "abc");
    for (const char *button : {"Command4", "cmdH"}) {
        messages.texts.clear();
        click(button);
        EXPECT_EQ(messages.texts, QStringList{"Comm Port Not Open"}) << button;
    }
    EXPECT_EQ(textOf("txtH"), "abc");
    EXPECT_EQ(textOf("txmText"), "");
}

TEST_F(PointPages, DrawDotsSendsOneFramePerDotEachPacedBySend)
{
    open();
    setText("txtDotnum", "3");
    click("Command4");
    EXPECT_EQ(port.schedule(), "<20>]d<20>]0a1e<20>]d<20>]0b1e<20>]d<20>]0c1e");
    EXPECT_EQ(textOf("txmText"), "]d]0c1e");
}

TEST_F(PointPages, WhatCannotBeSentWholeIsNamedAndNothingIsSentNorChanged)
{
    open();
    const struct
    {
        const char *button, *box, *text, *message; // no message: silently nothing
    } rows[] = {
            {"Command4", "txtDotnum", "0", nullptr},
            {"Command4", "txtDotnum", "abc", nullptr},
            {"Command4", "txtDotnum", "9E9", "Number needs a whole number from 1 to 32767"},
            {"Command4", "txtDotManyx", "-5", "Many X needs a whole number from 0 up"},
            {"Command4", "txtDotManyy", "3E9", "Many Y needs a whole number from 0 to 2147483647"},
            {"Command3", "txtDotSingX", "", "Single X needs a whole number from 0 up"},
            {"cmdResetDot", "txtResety", "-1", "Y needs a whole number from 0 up"},
            {"cmdPutByte", "txtPutByte", "abc", "Byte value 0-255 needs a whole number from 0 up"},
            {"cmdPutChr", "txtPutChrx", "x", "Position X needs a whole number from 0 up"},
            {"cmdH", "txtHStrX", "-5", "X Location needs a whole number from 0 up"},
            {"cmdVs", "txtVStrY", "9E9", "Y Location needs a whole number from 0 to 2147483647"},
    };
    for (const auto &row : rows) {
        const QString before = textOf(row.box);
        setText(row.box, row.text);
        messages.texts.clear();
        click(row.button);
        EXPECT_EQ(messages.texts, row.message ? QStringList{row.message} : QStringList{});
        EXPECT_EQ(textOf(row.box), row.text);
        setText(row.box, before);
    }
    EXPECT_TRUE(port.written.empty());
    EXPECT_EQ(textOf("txmText"), "");
}

TEST_F(PointPages, ABlankCharacterStaysInTheTerminalLineButIsNotTransmitted)
{
    open();
    setText("txtPutChr", " ");
    click("cmdPutChr");
    EXPECT_EQ(textOf("txmText"), "]p]0a0a] ");
    EXPECT_EQ(port.wire(), "]p]0a0a]");
}

TEST_F(PointPages, FillWithoutASelectedStepAsksForOne)
{
    open();
    // The list selects again whatever a person takes away; only the program can empty it.
    auto *steps = find<QListWidget>("List2");
    const QSignalBlocker quiet(steps->selectionModel());
    steps->clearSelection();
    click("cmdFill");
    EXPECT_EQ(messages.texts, QStringList{"Please enter a step value"});
    EXPECT_TRUE(port.written.empty());
}

TEST_F(PointPages, TheStringTextTurnsUpperCaseInItsBoxEvenWhenThePositionIsRefused)
{
    open();
    setText("txtH", "a korvel");
    click("cmdH");
    EXPECT_EQ(textOf("txtH"), "A KORVEL");
    EXPECT_EQ(port.wire(), "]h]0120]A] ]K]O]R]V]E]L]@");

    setText("txtV", "vendrix1");
    setText("txtVStrX", "abc");
    click("cmdVs");
    EXPECT_EQ(textOf("txtV"), "VENDRIX1");
    EXPECT_EQ(messages.texts, QStringList{"X Location needs a whole number from 0 up"});
}

} // namespace
