#include "fakelink.h"
#include "qtprinters.h"
#include "support/recordingmessages.h"
#include "ui/pagetabs.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#include <set>

#include <gtest/gtest.h>

namespace {

struct Caption
{
    QTabBar *row;
    int tab;
};

class TabRows : public ::testing::Test
{
protected:
    TabRows() { tabs.show(); }

    // Every tab a person can see, row by row.
    std::vector<Caption> visibleCaptions() const
    {
        std::vector<Caption> captions;
        for (QTabBar *row : tabs.findChildren<QTabBar *>())
            for (int tab = 0; tab < row->count(); ++tab)
                if (row->isVisible() && row->isTabVisible(tab))
                    captions.push_back({row, tab});
        return captions;
    }

    // Every page tab a screen reader is told about, with the ones it is told are current.
    void accessibleTabs(QStringList &names, QStringList &current) const
    {
        for (QTabBar *row : tabs.findChildren<QTabBar *>()) {
            QAccessibleInterface *list = QAccessible::queryAccessibleInterface(row);
            for (int i = 0; i < list->childCount(); ++i) {
                QAccessibleInterface *tab = list->child(i);
                if (tab->role() != QAccessible::PageTab)
                    continue;
                names.append(tab->text(QAccessible::Name));
                if (tab->state().selected || tab->state().focused)
                    current.append(tab->text(QAccessible::Name));
            }
        }
    }

    testing_support::FakeLink link;
    testing_support::RecordingMessages messages;
    ui::PageTabs tabs{link, messages};
};

TEST_F(TabRows, AllCaptionsStandInSeveralRowsUncut)
{
    const auto captions = visibleCaptions();
    ASSERT_EQ(captions.size(), 21u);
    std::set<QTabBar *> rows;
    for (std::size_t i = 0; i < captions.size(); ++i) {
        const auto [row, tab] = captions[i];
        SCOPED_TRACE(row->tabText(tab).toStdString());
        rows.insert(row);
        EXPECT_EQ(row->tabText(tab), tabs.tabText(int(i)));
        const QRect rect = row->tabRect(tab);
        EXPECT_TRUE(row->rect().contains(rect));
        EXPECT_TRUE(tabs.rect().contains(QRect(row->mapTo(&tabs, rect.topLeft()), rect.size())));
        EXPECT_GT(rect.width(), row->fontMetrics().horizontalAdvance(row->tabText(tab)));
    }
    EXPECT_GT(rows.size(), 1u);
    // No row scrolls: no arrows are offered and none are shown.
    for (QTabBar *row : rows) {
        EXPECT_FALSE(row->usesScrollButtons());
        for (QToolButton *arrow : row->findChildren<QToolButton *>())
            EXPECT_FALSE(arrow->isVisible());
    }
}

TEST_F(TabRows, ClickingACaptionShowsItsPageAndMakesItTheOnlyCurrentOne)
{
    const auto captions = visibleCaptions();
    // Backwards, so every click moves to another row or another tab of the same row.
    for (int i = int(captions.size()) - 1; i >= 0; --i) {
        const auto [row, tab] = captions[i];
        SCOPED_TRACE(i);
        QTest::mouseClick(row, Qt::LeftButton, {}, row->tabRect(tab).center());
        EXPECT_EQ(tabs.currentIndex(), i);
        for (int page = 0; page < tabs.count(); ++page)
            EXPECT_EQ(tabs.page(page)->isVisible(), page == i) << page;
        QStringList names, current;
        accessibleTabs(names, current);
        EXPECT_EQ(names.size(), 21);
        EXPECT_EQ(current, QStringList{tabs.tabText(i)});
    }
}

TEST_F(TabRows, AScreenReaderCanPressACaption)
{
    QTabBar *lastRow = visibleCaptions().back().row;
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(lastRow);
    QAccessibleInterface *tab = list->child(list->childCount() - 1);
    ASSERT_NE(tab->actionInterface(), nullptr);
    tab->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(tabs.currentIndex(), 20);
    EXPECT_EQ(tab->text(QAccessible::Name), QStringLiteral("LCD Read/Write"));
}

TEST_F(TabRows, KeysWalkTheCaptionsFromRowToRow)
{
    const auto captions = visibleCaptions();
    for (int i = 0; i + 1 < int(captions.size()); ++i) {
        QTest::keyClick(captions[i].row, Qt::Key_Right);
        EXPECT_EQ(tabs.currentIndex(), i + 1);
    }
    QTest::keyClick(captions.back().row, Qt::Key_Home);
    EXPECT_EQ(tabs.currentIndex(), 0);
    // Ctrl+Tab from a box on a page, round the end back to the first page.
    tabs.setCurrentIndex(20);
    QTest::keyClick(tabs.findChild<QLineEdit *>(QStringLiteral("txtlcdx1")), Qt::Key_Tab,
                    Qt::ControlModifier);
    EXPECT_EQ(tabs.currentIndex(), 0);
    QTest::keyClick(tabs.findChild<QLineEdit *>(QStringLiteral("txtCx")), Qt::Key_PageUp,
                    Qt::ControlModifier);
    EXPECT_EQ(tabs.currentIndex(), 20);
}

TEST_F(TabRows, DoubleClickOnCaptionsOrFreePageOnly)
{
    int doubleClicks = 0;
    QObject::connect(&tabs, &ui::PageTabs::doubleClicked, [&] { ++doubleClicks; });
    tabs.setCurrentIndex(1);
    QWidget *page = tabs.page(1);
    const struct
    {
        const char *what;
        QWidget *widget;
        QPoint at;
        int counts;
    } rows[] = {
            {"a caption", visibleCaptions()[3].row,
             visibleCaptions()[3].row->tabRect(visibleCaptions()[3].tab).center(), 1},
            {"the free part of a page", page, page->rect().bottomRight() - QPoint(4, 4), 1},
            {"a button", tabs.findChild<QPushButton *>(QStringLiteral("cmdSquare")), {5, 5}, 0},
            {"a text box", tabs.findChild<QLineEdit *>(QStringLiteral("txtSr")), {5, 5}, 0},
            {"a label", page->findChildren<QLabel *>().front(), {2, 2}, 0},
    };
    for (const auto &row : rows) {
        doubleClicks = 0;
        QTest::mouseDClick(row.widget, Qt::LeftButton, {}, row.at);
        EXPECT_EQ(doubleClicks, row.counts) << row.what;
    }
}

// Several pages share an access key ("&Draw ..."); only the page on show answers it.
TEST_F(TabRows, AccessKeysReachTheShownPageOnly)
{
    tabs.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&tabs));
    const char *const drawButtons[] = {"cmdCirc", "cmdSquare", "cmdDiam", "Command2", "cmdLine"};
    QStringList clicked;
    for (const char *name : drawButtons) {
        auto *button = tabs.findChild<QPushButton *>(QLatin1String(name));
        QObject::connect(button, &QPushButton::clicked,
                         [&clicked, name] { clicked.append(QLatin1String(name)); });
    }
    for (int page : {1, 5, 0}) {
        clicked.clear();
        tabs.setCurrentIndex(page);
        QTest::keyClick(&tabs, Qt::Key_D, Qt::AltModifier);
        // A button pressed by its access key shows itself pressed a moment before clicking.
        EXPECT_TRUE(QTest::qWaitFor([&] { return !clicked.isEmpty(); }, 1000));
        EXPECT_EQ(clicked, QStringList{QLatin1String(drawButtons[page == 5 ? 4 : page])}) << page;
    }
}

} // namespace
