// Only keys that type a character reach the board from the terminal line.
#include "mainfixture.h"

#include <QApplication>
#include <QKeyEvent>

namespace {

TEST_F(MainFixture, OnlyKeysThatTypeACharacterAreSent)
{
    open();
    auto *line = find<QLineEdit>("txmText");
    const struct
    {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QString text; // what the platform gives with the key
        const char *sent;
    } rows[] = {
            {Qt::Key_A, Qt::NoModifier, "a", "a"},
            {Qt::Key_Space, Qt::NoModifier, " ", " "},
            {Qt::Key_Return, Qt::NoModifier, "\r", "\r"},
            {Qt::Key_Enter, Qt::KeypadModifier, "\r", "\r"},
            {Qt::Key_Backspace, Qt::NoModifier, "\b", "\b"},
            {Qt::Key_Escape, Qt::NoModifier, "\x1b", "\x1b"},
            {Qt::Key_C, Qt::ControlModifier, "\x03", "\x03"},
            {Qt::Key_unknown, Qt::NoModifier, "\u00e9", "\xc3\xa9"},
            {Qt::Key_Delete, Qt::NoModifier, "\x7f", ""},
            {Qt::Key_Left, Qt::NoModifier, "", ""},
            {Qt::Key_Right, Qt::NoModifier, "", ""},
            {Qt::Key_Up, Qt::NoModifier, "", ""},
            {Qt::Key_Down, Qt::NoModifier, "", ""},
            {Qt::Key_Home, Qt::KeypadModifier, "", ""},
            {Qt::Key_End, Qt::NoModifier, "", ""},
            {Qt::Key_PageUp, Qt::NoModifier, "", ""},
            {Qt::Key_PageDown, Qt::NoModifier, "", ""},
            {Qt::Key_Insert, Qt::NoModifier, "", ""},
            {Qt::Key_F1, Qt::NoModifier, "", ""},
            {Qt::Key_F5, Qt::NoModifier, "\x1b[15~", ""},
            {Qt::Key_Tab, Qt::NoModifier, "\t", ""},
    };
    for (const auto &row : rows) {
        port.written.clear();
        QKeyEvent press(QEvent::KeyPress, row.key, row.modifiers, row.text);
        QApplication::sendEvent(line, &press);
        EXPECT_EQ(port.wire(), row.sent) << QKeySequence(row.key).toString().toStdString();
    }
}

TEST_F(MainFixture, DeleteStillEditsTheLine)
{
    open();
    auto *line = find<QLineEdit>("txmText");
    line->setText("]k");
    line->setCursorPosition(0);
    QTest::keyClick(line, Qt::Key_Delete);
    EXPECT_EQ(line->text(), "k");
    EXPECT_TRUE(port.written.empty());
}

// Tab and Ctrl+Tab (which the receive window would type and the line let go by) move on.
TEST_F(MainFixture, TabAndCtrlTabMoveOnFromTheTerminal)
{
    open();
    main.show();
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    const std::pair<const char *, Qt::KeyboardModifiers> rows[] = {
            {"rcvText", Qt::NoModifier},
            {"rcvText", Qt::ControlModifier},
            {"txmText", Qt::NoModifier},
            {"txmText", Qt::ControlModifier},
    };
    for (const auto &[name, modifiers] : rows) {
        auto *box = find<QWidget>(name);
        box->setFocus();
        ASSERT_TRUE(box->hasFocus());
        port.written.clear();
        QTest::keyClick(box, Qt::Key_Tab, modifiers);
        EXPECT_FALSE(box->hasFocus()) << name << " " << modifiers;
        EXPECT_EQ(port.wire(), "") << name;
    }
    EXPECT_TRUE(receiveWindow()->holds("Waiting....."));
}

} // namespace
