#include "ui/screenfit.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

TEST(ScreenFit, AllOfTheFormCanBeReachedOnASmallScreen)
{
    QWidget window;
    auto *form = new QWidget;
    form->setFixedSize(800, 660);
    ui::ScreenFit fit(&window, form);
    EXPECT_EQ(window.size(), QSize(800, 660));

    fit.fitInto({1600, 560});
    window.show();
    auto *area = window.findChild<QScrollArea *>();
    EXPECT_LE(window.height(), 560);
    EXPECT_GE(window.width(), 800); // the scroll bar comes beside the form, not over it
    area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
    EXPECT_EQ(form->mapTo(&window, QPoint(0, 660)).y(), area->viewport()->geometry().bottom() + 1);
    EXPECT_EQ(area->horizontalScrollBar()->maximum(), 0);

    fit.fitInto({1600, 1200});
    EXPECT_EQ(window.size(), QSize(800, 660));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
}

TEST(ScreenFit, ASecondWindowGoesWhereAllOfItIsOnTheScreen)
{
    const QRect screen(0, 0, 1600, 1200);
    const QSize board(500, 400);
    const struct
    {
        const char *where;
        QRect main;
        QPoint expected;
    } rows[] = {
            {"room on the right", {0, 0, 800, 700}, {816, 0}},
            {"room on the left only", {900, 100, 680, 700}, {384, 100}},
            {"room below only", {0, 0, 1500, 700}, {0, 716}},
            {"no room beside: the right-hand corner", {0, 0, 1500, 1100}, {1100, 0}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(ui::besidePosition(board, row.main, screen), row.expected) << row.where;
}

} // namespace
