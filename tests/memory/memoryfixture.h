#pragma once

#include "memory/memorypages.h"
#include "memory/memorywidgets.h"
#include "support/recordingmessages.h"
#include "ui/fakelink.h"
#include "ui/pagetabs.h"
#include "ui/qtprinters.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <span>

// One step of a write page, and the state it leaves behind.
struct WriteStep
{
    const char *step;
    std::function<void()> act;
    bool reformat; // the page's reformat button is enabled afterwards
    bool write;
    const char *pacing;
    QStringList messages;
    QStringList frames;
};

// The memory pages on the real tab pages, talking to a recording link. Its port-open guard
// shows no message of its own: a refusal for a closed port is a guard asked and nothing sent.
struct MemoryPagesTest : ::testing::Test
{
    testing_support::FakeLink link;
    testing_support::RecordingMessages messages;
    ui::PageTabs tabs{link, messages};
    memory::MemoryPages pages{tabs, link, messages};

    template<typename T>
    T *find(const char *name)
    {
        auto *control = tabs.findChild<T *>(QLatin1String(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    // A disabled button ignores the click, as it does under the mouse.
    void click(const char *name) { find<QAbstractButton>(name)->click(); }
    bool enabled(const char *name) { return find<QWidget>(name)->isEnabled(); }
    QString label(const char *name) { return find<QLabel>(name)->text(); }
    QString box(const char *name) { return find<QLineEdit>(name)->text(); }
    void setBox(const char *name, const QString &text) { find<QLineEdit>(name)->setText(text); }
    QString memo(const char *name) { return memory::memoText(find<QPlainTextEdit>(name)); }
    void setMemo(const char *name, const QString &text)
    {
        memory::setMemoText(find<QPlainTextEdit>(name), text);
    }

    // Keys typed into a box, as a person types them.
    void type(const char *name, const char *keys) { QTest::keyClicks(find<QWidget>(name), keys); }
    void clickWithPortClosed(const char *name)
    {
        link.open = false;
        click(name);
        link.open = true;
    }
    void paste(const QString &clipboardText, const char *button)
    {
        setClipboard(clipboardText);
        click(button);
    }

    // The focus moves on from `name` to another control of the window.
    void leave(const char *name)
    {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(find<QWidget>(name), &out);
    }

    // What a person leaves in a box before the focus moves on.
    void fillIn(const char *name, const QString &text)
    {
        setBox(name, text);
        leave(name);
    }

    // The messages shown since the last call.
    QStringList shown()
    {
        QStringList texts = messages.texts;
        messages.texts.clear();
        return texts;
    }
    QStringList sent()
    {
        QStringList frames = link.frames;
        link.frames.clear();
        return frames;
    }

    // Takes the steps one after the other, checking the buttons, the pacing, the messages
    // shown and the frames sent after each.
    void walk(const char *reformatButton, const char *writeButton, std::span<const WriteStep> steps)
    {
        for (const WriteStep &step : steps) {
            step.act();
            EXPECT_EQ(enabled(reformatButton), step.reformat) << step.step;
            EXPECT_EQ(enabled(writeButton), step.write) << step.step;
            EXPECT_EQ(link.delay, step.pacing) << step.step;
            EXPECT_EQ(shown(), step.messages) << step.step;
            EXPECT_EQ(sent(), step.frames) << step.step;
        }
    }

    static void setClipboard(const QString &text) { QGuiApplication::clipboard()->setText(text); }
    static QString clipboard() { return QGuiApplication::clipboard()->text(); }
};

// The same, with a folder for the files the tools write and read.
struct MemoryToolsTest : MemoryPagesTest
{
    QTemporaryDir dir;

    // The tool's next question for a file is answered with `path`.
    template<typename Tool>
    void answerWith(const QString &path)
    {
        tabs.findChild<Tool *>()->setPathAsker([path](QWidget *) { return path; });
    }
};
