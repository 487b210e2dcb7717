#include "qtprinters.h"
#include "ui/typinglimit.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

#include <functional>

#include <gtest/gtest.h>

namespace {

struct Case
{
    const char *what;
    int limit;
    const char *programText; // put in with setText before the person acts
    std::function<void(QLineEdit &)> act;
    const char *expected;
};

void type(QLineEdit &box, const char *keys)
{
    QTest::keyClicks(&box, QString::fromLatin1(keys));
}

void paste(QLineEdit &box, const char *clip)
{
    QApplication::clipboard()->setText(QString::fromUtf8(clip));
    QTest::keySequence(&box, QKeySequence::Paste);
}

const Case cases[] = {
        {"typing stops at the limit", 3, "", [](QLineEdit &b) { type(b, "12345"); }, "123"},
        {"typing over a selection may refill it", 3, "123",
         [](QLineEdit &b) {
             b.selectAll();
             type(b, "98765");
         },
         "987"},
        {"a program text beyond the limit is kept whole", 3, "1234567", [](QLineEdit &) {},
         "1234567"},
        {"a program text beyond the limit takes no more typing", 3, "1234567",
         [](QLineEdit &b) { type(b, "8"); }, "1234567"},
        {"a program text beyond the limit can still be shortened", 3, "1234567",
         [](QLineEdit &b) { QTest::keyClick(&b, Qt::Key_Backspace); }, "123456"},
        {"Ctrl+V fills the room left, as typing would", 4, "1",
         [](QLineEdit &b) { paste(b, "abcdef"); }, "1abc"},
        {"Ctrl+V over a selection fills the whole limit", 4, "1234",
         [](QLineEdit &b) {
             b.selectAll();
             paste(b, "abcdef");
         },
         "abcd"},
        {"Ctrl+V in the middle keeps the text around it", 5, "12",
         [](QLineEdit &b) {
             b.setCursorPosition(1);
             paste(b, "abcdef");
         },
         "1abc2"},
        {"a paste cut to the limit leaves no room for the next", 4, "1",
         [](QLineEdit &b) {
             paste(b, "abcdef");
             paste(b, "xyz");
         },
         "1abc"},
        {"typing after a cut paste finds no room", 4, "1",
         [](QLineEdit &b) {
             paste(b, "abcdef");
             type(b, "x");
         },
         "1abc"},
        {"an emoji pasted into a one-character box is one character, never half of one", 1, "A",
         [](QLineEdit &b) {
             b.selectAll();
             paste(b, "\xF0\x9F\x98\x80\xF0\x9F\x98\x81");
         },
         "\xF0\x9F\x98\x80"},
        {"an input method's commit is cut to the room left", 3, "",
         [](QLineEdit &b) {
             QInputMethodEvent commit;
             commit.setCommitString(QStringLiteral("abcdef"));
             QApplication::sendEvent(&b, &commit);
         },
         "abc"},
};

TEST(TypingLimit, HoldsForWhatThePersonEntersOnly)
{
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QLineEdit box;
        ui::TypingLimit::apply(&box, c.limit);
        box.setText(QString::fromLatin1(c.programText));
        c.act(box);
        EXPECT_EQ(box.text(), QString::fromUtf8(c.expected));
    }
}

} // namespace
