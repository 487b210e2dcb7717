#include "qtprinters.h"
#include "ui/helpwindow.h"
#include "ui/secondarywindows.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QList<QWidget *> windowsNamed(const char *name)
{
    QList<QWidget *> found;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String(name))
            found.append(widget);
    return found;
}

QWidget *onlyWindow(const char *name)
{
    const auto found = windowsNamed(name);
    return found.size() == 1 ? found.front() : nullptr;
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class SecondaryWindows : public ::testing::Test
{
protected:
    QWidget owner;
    ui::SecondaryWindows windows{&owner};
};

TEST_F(SecondaryWindows, HelpCardHoldsTheTwentySevenLinesJoinedByCrLf)
{
    windows.showHelp();
    auto *help = qobject_cast<ui::HelpWindow *>(onlyWindow("Help"));
    ASSERT_NE(help, nullptr);
    const QString text = help->referenceText();
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 27);
    const struct
    {
        int line;
        const char *text;
    } rows[] = {
            {0, "COMMANDS and parameters:"},
            {6, "]R]x1y1x2y2]s]fc RECTANGLE given the top lt and bottom rt points "},
            {7, "   s=step value,f= fill command, c = clear command"},
            {18, "]L]x1y1x2y2 LINE from x1y1 to x2y2 This is experimental, I\u2019m still working "
                 "on different algorithms. Needs fixing."},
            {19, "]I]x1x2y1y2]s Draw a straight horiz line with a step"},
            {21, "]M]x1y1x2y2]hh]hh...Place  a given number of bytes on LCD"},
            {26, "]W]addr]number Read number of bytes from the internal eeprom"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(lines[row.line], QString::fromUtf8(row.text)) << row.line;
    EXPECT_FALSE(text.endsWith(QLatin1Char('\n')));
    EXPECT_EQ(text.count(QLatin1Char('\n')), text.count(QStringLiteral("\r\n")));
    // The box shows the same lines.
    const auto *box = help->findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
    EXPECT_EQ(box->toPlainText(), lines.join(QLatin1Char('\n')));
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_EQ(box->palette().color(QPalette::Base), QColor(0x00, 0x80, 0x80));
    EXPECT_EQ(box->palette().color(QPalette::Text), QColor(Qt::white));
}

TEST_F(SecondaryWindows, HelpShowsItsTitleAndLabelsExactly)
{
    windows.showHelp();
    QWidget *help = onlyWindow("Help");
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->windowTitle(), QStringLiteral("Sketra Commands"));
    const struct
    {
        const char *name;
        const char *text;
    } labels[] = {
            {"Label1", "Brevik  Application Command Line functions"},
            {"Label2", "Once the Korvel board starts with the SKETRA.BAS application loaded it "
                       "displays a logo screen and then waits for serial commands as follows:"},
            {"Label3", "The 'command' key is the ] character followed by parameters "},
    };
    for (const auto &label : labels)
        EXPECT_EQ(help->findChild<QLabel *>(QString::fromLatin1(label.name))->text(),
                  QString::fromUtf8(label.text));
    EXPECT_EQ(help->findChild<QPushButton *>(QStringLiteral("Command1"))->text(),
              QStringLiteral("&Close"));
}

// Two presses of "&Help" give one window; "&Close" hides it and the next press shows the
// same window, its text and place in the text as they were.
TEST_F(SecondaryWindows, HelpIsBuiltOnceAndOnlyHidden)
{
    windows.showHelp();
    windows.showHelp();
    ASSERT_EQ(windowsNamed("Help").size(), 1);
    QPointer<QWidget> help = onlyWindow("Help");
    EXPECT_EQ(help->windowModality(), Qt::NonModal);
    auto *box = help->findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(100);
    box->setTextCursor(cursor);

    help->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    flushDeletes();
    ASSERT_FALSE(help.isNull());
    EXPECT_FALSE(help->isVisible());

    windows.showHelp();
    EXPECT_EQ(windowsNamed("Help").size(), 1);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(box->textCursor().position(), 100);
}

TEST_F(SecondaryWindows, AboutIsDestroyedByOkAndBuiltAfresh)
{
    windows.showAbout();
    windows.showAbout();
    ASSERT_EQ(windowsNamed("frmAbout").size(), 1);
    QPointer<QWidget> about = onlyWindow("frmAbout");
    EXPECT_EQ(about->windowTitle(), QStringLiteral("Korvel Grahic Demo"));
    EXPECT_EQ(about->windowModality(), Qt::NonModal);
    EXPECT_TRUE(about->isVisible());
    const QString title = about->findChild<QLabel *>(QStringLiteral("lblTitle"))->text();
    for (const char *part : {"Sketra", "Demo", "Ver. 1.3.2"})
        EXPECT_TRUE(title.contains(QLatin1String(part))) << part;
    for (const char *name : {"Picture1", "picIcon", "Line1"})
        EXPECT_NE(about->findChild<QWidget *>(QLatin1String(name)), nullptr) << name;

    auto *ok = about->findChild<QPushButton *>(QStringLiteral("cmdOK"));
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    ok->click();
    flushDeletes();
    EXPECT_TRUE(about.isNull());
    EXPECT_TRUE(windowsNamed("frmAbout").isEmpty());

    windows.showAbout();
    QWidget *again = onlyWindow("frmAbout");
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(again->isVisible());
}

// "&About" pressed again before the closed window has gone from memory still shows a window,
// and only one remains once it has gone.
TEST_F(SecondaryWindows, AboutAskedForAgainRightAfterOkStillShows)
{
    windows.showAbout();
    onlyWindow("frmAbout")->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
    windows.showAbout();
    flushDeletes();
    QWidget *about = onlyWindow("frmAbout");
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
}

// The picture is the board: mostly its green, with the LCD's backlight and dark pixels.
TEST_F(SecondaryWindows, AboutPictureShowsTheBoardAndItsScreen)
{
    windows.showAbout();
    QWidget *picture = onlyWindow("frmAbout")->findChild<QWidget *>(QStringLiteral("Picture1"));
    const QImage image = picture->grab().toImage();
    int green = 0;
    int backlight = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            green += pixel == QColor(0x1f, 0x6e, 0x3b);
            backlight += pixel == QColor(0xa8, 0xc8, 0x3c);
        }
    }
    const int area = image.width() * image.height();
    EXPECT_GT(green, area / 4);
    EXPECT_GT(backlight, area / 8);
}

TEST_F(SecondaryWindows, CloseAllLeavesNoWindow)
{
    windows.showHelp();
    windows.showAbout();
    windows.closeAll();
    flushDeletes();
    EXPECT_TRUE(windowsNamed("Help").isEmpty());
    EXPECT_TRUE(windowsNamed("frmAbout").isEmpty());
}

} // namespace
