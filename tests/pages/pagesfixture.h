#pragma once

#include "app/mainfixture.h"
#include "app/pagefront.h"

// The main window with the port open and the page of a control brought to the front before a
// test presses it, as a person would.
struct PagesFixture : MainFixture
{
    void SetUp() override
    {
        main.show();
        open();
        port.written.clear();
    }

    void press(const char *name)
    {
        auto *button = find<QAbstractButton>(name);
        bringPageToFront(button);
        // Near the left edge: on a check box or option button that is its indicator.
        QTest::mouseClick(button, Qt::LeftButton, {}, {4, button->height() / 2});
    }

    // The bytes sent since the last look.
    std::string sent()
    {
        const std::string bytes = port.wire();
        port.written.clear();
        return bytes;
    }
};
