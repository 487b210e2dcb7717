#pragma once

#include "ui/pagetabs.h"

#include <QWidget>

// Shows the page of `SSTab1` that holds `control`, as a person would before pressing it.
// A control outside the tab control leaves the pages as they are.
inline void bringPageToFront(QWidget *control)
{
    for (QWidget *w = control; w; w = w->parentWidget()) {
        if (auto *tabs = qobject_cast<ui::PageTabs *>(w)) {
            for (int i = 0; i < tabs->count(); ++i) {
                if (tabs->page(i)->isAncestorOf(control))
                    tabs->setCurrentIndex(i);
            }
            return;
        }
    }
}
