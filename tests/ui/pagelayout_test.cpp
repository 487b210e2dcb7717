// Walks the main window's tab pages against the layout tables they are built from: every
// named control once, on its page, with its kind, caption or default, typing limit and first
// state; every caption, group title and explanation on its page. The tables themselves hold
// the texts as the board's users know them.

#include "fakelink.h"
#include "qtprinters.h"
#include "support/recordingmessages.h"
#include "ui/layouttable.h"
#include "ui/pagetabs.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

using ui::Kind;
using ui::State;

// Each named row of each table, with the index of its page.
void forEachNamedRow(const std::function<void(int page, const ui::ControlRow &row)> &visit)
{
    int page = 0;
    for (const ui::PageTable &table : ui::pageTables()) {
        for (const ui::ControlRow &row : table.rows) {
            if (*row.name)
                visit(page, row);
        }
        ++page;
    }
}

class PageLayout : public ::testing::Test
{
protected:
    PageLayout() { tabs.selectStartupItems(); }

    testing_support::FakeLink link;
    testing_support::RecordingMessages messages;
    ui::PageTabs tabs{link, messages};
};

bool isKind(QWidget *widget, Kind kind)
{
    switch (kind) {
    case Kind::Caption:
    case Kind::Paragraph:
    case Kind::Value:
        return qobject_cast<QLabel *>(widget);
    case Kind::Text:
        return qobject_cast<QLineEdit *>(widget);
    case Kind::Memo:
        return qobject_cast<QPlainTextEdit *>(widget);
    case Kind::Check:
        return qobject_cast<QCheckBox *>(widget);
    case Kind::Option:
        return qobject_cast<QRadioButton *>(widget);
    case Kind::List:
        return qobject_cast<QListWidget *>(widget);
    case Kind::Button:
        return qobject_cast<QPushButton *>(widget);
    case Kind::Group:
        return qobject_cast<QGroupBox *>(widget);
    case Kind::Strip:
    case Kind::End:
        break;
    }
    return false;
}

QString textOf(QWidget *widget)
{
    if (auto *line = qobject_cast<QLineEdit *>(widget))
        return line->text();
    if (auto *memo = qobject_cast<QPlainTextEdit *>(widget))
        return memo->toPlainText();
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return button->text();
    if (auto *group = qobject_cast<QGroupBox *>(widget))
        return group->title();
    QStringList items;
    auto *list = qobject_cast<QListWidget *>(widget);
    for (int i = 0; i < list->count(); ++i)
        items.append(list->item(i)->text());
    return items.join(QLatin1Char('|'));
}

TEST_F(PageLayout, TabsCarryTheCaptionsInOrder)
{
    const auto tables = ui::pageTables();
    ASSERT_EQ(tables.size(), 21u);
    ASSERT_EQ(tabs.count(), 21);
    for (int i = 0; i < 21; ++i)
        EXPECT_EQ(tabs.tabText(i), QString::fromUtf8(tables[static_cast<std::size_t>(i)].caption))
                << i;
}

TEST_F(PageLayout, EveryControlIsBuiltOnceOnItsPageAsListed)
{
    forEachNamedRow([this](int page, const ui::ControlRow &row) {
        SCOPED_TRACE(row.name);
        const auto found = tabs.findChildren<QWidget *>(QString::fromLatin1(row.name));
        ASSERT_EQ(found.size(), 1);
        QWidget *widget = found.front();
        EXPECT_TRUE(tabs.page(page)->isAncestorOf(widget));
        EXPECT_TRUE(isKind(widget, row.kind));
        EXPECT_EQ(textOf(widget), QString::fromUtf8(row.text));
        EXPECT_EQ(widget->isEnabled(), row.state != State::Disabled);
        EXPECT_FALSE(widget->isHidden()); // no control of the pages starts hidden
        if (auto *button = qobject_cast<QAbstractButton *>(widget);
            button && row.kind != Kind::Button) {
            EXPECT_EQ(button->isChecked(), row.state == State::Selected);
        }
        const bool box = row.kind == Kind::Text || row.kind == Kind::Memo || row.kind == Kind::List;
        if (box || *row.accessible) {
            EXPECT_FALSE(widget->accessibleName().isEmpty());
            EXPECT_EQ(widget->accessibleName(), QString::fromUtf8(row.accessible));
        }
        if (row.kind == Kind::List) {
            EXPECT_EQ(qobject_cast<QListWidget *>(widget)->currentItem()->text(),
                      QString::fromUtf8(row.startupItem));
        }
    });
}

// Typing stops at the limit; a longer text the program puts in (a paste button, a reply
// copied in) stays whole.
TEST_F(PageLayout, TypingLimitsHoldForTypedTextOnly)
{
    forEachNamedRow([this](int, const ui::ControlRow &row) {
        if (row.kind != Kind::Text)
            return;
        SCOPED_TRACE(row.name);
        auto *box = tabs.findChild<QLineEdit *>(QString::fromLatin1(row.name));
        box->setText(QString());
        QTest::keyClicks(box, QStringLiteral("123456789"));
        EXPECT_EQ(box->text().size(), row.limit ? row.limit : 9);
        box->setText(QStringLiteral("0123456789"));
        EXPECT_EQ(box->text(), QStringLiteral("0123456789"));
    });
}

TEST_F(PageLayout, EveryPageShowsItsWordsExactly)
{
    int page = 0;
    for (const ui::PageTable &table : ui::pageTables()) {
        QStringList shown;
        for (QLabel *label : tabs.page(page)->findChildren<QLabel *>())
            shown.append(label->text());
        for (QGroupBox *group : tabs.page(page)->findChildren<QGroupBox *>())
            shown.append(group->title());
        QStringList words;
        if (*table.explanation)
            words.append(QString::fromUtf8(table.explanation));
        for (const ui::ControlRow &row : table.rows) {
            if (row.kind == Kind::Caption || row.kind == Kind::Group)
                words.append(QString::fromUtf8(row.text));
        }
        for (const QString &text : words)
            EXPECT_TRUE(shown.contains(text)) << page << ": " << text.toStdString();
        ++page;
    }
}

TEST_F(PageLayout, InfoNamesTheBoardAndWhereToAsk)
{
    const QString info = tabs.findChild<QLabel *>(QStringLiteral("Label88"))->text();
    EXPECT_TRUE(info.contains(QStringLiteral(
            "The functions in this application are expicitly written for LCD applications "
            "written in PICBasicPro Ver.2.32")));
    EXPECT_TRUE(info.contains(QStringLiteral("Korvel board")));
    EXPECT_TRUE(info.contains(QStringLiteral("@korvel.example.org")));
    // Web and mail addresses are ours, never a real company's.
    const QRegularExpression address(QStringLiteral("(\\S+@\\S+|www\\.\\S+|https?://\\S+)"));
    int addresses = 0;
    for (auto it = address.globalMatch(info); it.hasNext(); ++addresses) {
        QString found = it.next().captured(1);
        while (found.endsWith(QLatin1Char('.')) || found.endsWith(QLatin1Char(',')))
            found.chop(1);
        EXPECT_TRUE(found.endsWith(QLatin1String("example.org"))) << found.toStdString();
    }
    EXPECT_GE(addresses, 2); // the web site and where to write
}

TEST_F(PageLayout, ParagraphHeightsFollowTheirTextAndFont)
{
    // A paragraph keeps the heights it has worked out: they must be those a plain wrapped
    // label gives, before and after its font or text changes.
    auto *info = tabs.findChild<QLabel *>(QStringLiteral("Label88"));
    const auto heightsMatch = [info](const char *when) {
        QLabel plain(info->text());
        plain.setTextFormat(Qt::PlainText);
        plain.setWordWrap(true);
        plain.setFont(info->font());
        for (int width : {120, 300, 120, 600})
            EXPECT_EQ(info->heightForWidth(width), plain.heightForWidth(width))
                    << when << ", width " << width;
    };
    heightsMatch("as built");
    QFont larger = info->font();
    larger.setPointSize(larger.pointSize() * 2);
    info->setFont(larger);
    heightsMatch("in a larger font");
    info->setText(info->text().repeated(3));
    heightsMatch("with a longer text");
}

TEST_F(PageLayout, ClearDisplayButtonSendsTheClearFrameOnlyWhenThePortIsOpen)
{
    auto *clear = tabs.findChild<QPushButton *>(QStringLiteral("cmdClearLCD"));
    link.open = false;
    clear->click();
    EXPECT_EQ(link.guards, 1);
    EXPECT_TRUE(link.frames.isEmpty());
    link.open = true;
    clear->click();
    EXPECT_EQ(link.frames, QStringList{QStringLiteral("]k")});
}

} // namespace
