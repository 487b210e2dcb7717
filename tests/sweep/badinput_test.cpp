// Every class of bad entry typed and pasted into every box of every page, then every button of
// the page pressed and the focus moved through every box: the program keeps going, and each
// button sends a well-formed frame or shows a message and sends nothing. The pages, boxes and
// buttons come from the layout tables, so a new page is swept as soon as it has a table.
#include "app/mainfixture.h"
#include "app/pagefront.h"
#include "fuzz/framegrammar.h"
#include "memory/memorywidgets.h"
#include "ui/layouttable.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPlainTextEdit>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct BadEntry
{
    const char *name;
    QString text;
};

const QString tenThousand = QString::fromLatin1("1234567890").repeated(1000);

const BadEntry badEntries[] = {
        {"empty", QString()},
        {"blanks only", QStringLiteral("   ")},
        {"letters", QStringLiteral("abc")},
        {"number then letters", QStringLiteral("12abc")},
        {"negative", QStringLiteral("-1")},
        {"fraction", QStringLiteral("2.5")},
        {"exponent", QStringLiteral("1e9")},
        {"upper-case exponent", QStringLiteral("9E9")},
        {"hex prefix", QStringLiteral("&HFF")},
        {"d exponent", QStringLiteral("1d3")},
        {"beyond 32 bits", QStringLiteral("2147483648")},
        {"ten thousand characters", tenThousand},
        {"non-ASCII", QStringLiteral("\u00e9\u20ac\u65e5\U0001F600")},
        {"NUL", QString(QChar(u'\0')) + QStringLiteral("1")},
};

enum class Sends {
    Nothing,   // copies, pastes, clears and reformats: never a byte
    OneFrame,  // one frame, or a message and nothing
    RunOrNone, // a run of frames, or nothing at all (a count below 1 sends nothing silently)
};

struct ButtonRule
{
    const char *button;
    Sends sends;
    const char *letters;   // the command letters it may send
    const char *tail = ""; // the box whose text ends the frame as it stands, if any
};

// clang-format off
constexpr ButtonRule buttonRules[] = {
    {"cmdCirc", Sends::OneFrame, "c"},       {"cmdSquare", Sends::OneFrame, "s"},
    {"cmdRect", Sends::OneFrame, "r"},       {"cmdDiam", Sends::OneFrame, "q"},
    {"Command2", Sends::OneFrame, "t"},      {"cmdLine", Sends::OneFrame, "l"},
    {"cmdbar", Sends::OneFrame, "b"},        {"cmdXaxis", Sends::OneFrame, "x"},
    {"cmdyaxis", Sends::OneFrame, "y"},      {"Command3", Sends::OneFrame, "d"},
    {"Command4", Sends::RunOrNone, "d"},     {"cmdResetDot", Sends::OneFrame, "e"},
    {"cmdPutByte", Sends::OneFrame, "u"},    {"cmdPutChr", Sends::OneFrame, "p"},
    {"cmdFill", Sends::OneFrame, "f"},       {"cmdClearLCD", Sends::OneFrame, "k"},
    {"cmdH", Sends::OneFrame, "h"},          {"cmdVs", Sends::OneFrame, "v"},
    {"cmderead", Sends::OneFrame, "ag"},     {"cmdecopy", Sends::Nothing, ""},
    {"cmdereadclr", Sends::Nothing, ""},     {"cmdechk", Sends::Nothing, ""},
    {"cmdewrite", Sends::OneFrame, "ow", "txtewrite"},    {"cmdepaste", Sends::Nothing, ""},
    {"cmdeclr", Sends::Nothing, ""},         {"cmdlcdread", Sends::OneFrame, "n"},
    {"cmdlcdfmt", Sends::Nothing, ""},       {"cmdwritelcd", Sends::OneFrame, "m", "txtlcd"},
    {"cdmlcdcopy", Sends::Nothing, ""},      {"cmdlcdpaste", Sends::Nothing, ""},
    {"lcrlcdtxt", Sends::Nothing, ""},
    // The file tools, with every file dialog cancelled.
    {"cmdesave", Sends::Nothing, ""},        {"cmdeopen", Sends::Nothing, ""},
    {"cmdlcdpicture", Sends::Nothing, ""},   {"cmdlcdcapture", Sends::OneFrame, "n"},
    {"cmdlcdtext", Sends::Nothing, ""},
};
// clang-format on

const ButtonRule *ruleOf(const char *button)
{
    for (const ButtonRule &rule : buttonRules) {
        if (std::string_view(rule.button) == button)
            return &rule;
    }
    return nullptr;
}

// The rows of a page that a person can type into or press, groups and strips looked into.
struct PageControls
{
    std::vector<const ui::ControlRow *> boxes, buttons, ticks;
};

PageControls controlsOf(const ui::PageTable &page)
{
    PageControls found;
    for (const ui::ControlRow &row : page.rows) {
        if (row.kind == ui::Kind::Text || row.kind == ui::Kind::Memo)
            found.boxes.push_back(&row);
        else if (row.kind == ui::Kind::Button)
            found.buttons.push_back(&row);
        else if (row.kind == ui::Kind::Check || row.kind == ui::Kind::Option)
            found.ticks.push_back(&row);
    }
    return found;
}

std::string trailingBlanksCut(std::string text)
{
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

// The frames of a run: each starts at "]" letter "]", and no field holds a "]".
std::vector<std::string> framesOfRun(const std::string &wire, char letter)
{
    const std::string lead{']', letter, ']'};
    std::vector<std::string> frames;
    for (std::size_t at = 0; at < wire.size();) {
        const std::size_t next = wire.find(lead, at + 1);
        frames.push_back(wire.substr(at, next - at));
        at = next == std::string::npos ? wire.size() : next;
    }
    return frames;
}

class BadInputSweep : public MainFixture, public ::testing::WithParamInterface<std::size_t>
{
protected:
    void SetUp() override
    {
        main.show();
        main.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
        open();
        port.written.clear();
        // A person who is asked for a file or a text cancels: no test waits on a dialog.
        QObject::connect(&m_cancelDialogs, &QTimer::timeout, [] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (qobject_cast<QFileDialog *>(dialog)
                || (dialog && dialog->objectName() == QLatin1String("textDialog")))
                dialog->reject();
        });
        m_cancelDialogs.start(20);
    }

    const ui::PageTable &page() const { return ui::pageTables()[GetParam()]; }

    void focusInto(QWidget *box)
    {
        // A long transmission's progress window took the activation; a person's click into
        // the main window gives it back.
        if (!main.isActiveWindow()) {
            main.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
        }
        bringPageToFront(box);
        auto *memo = qobject_cast<QPlainTextEdit *>(box);
        QTest::mouseClick(memo ? memo->viewport() : box, Qt::LeftButton);
    }

    // The box with the focus and its whole text selected, so that what comes next replaces it.
    // (Ctrl+A selects nothing under the offscreen platform.)
    void selectAllOf(QWidget *box)
    {
        focusInto(box);
        if (auto *memo = qobject_cast<QPlainTextEdit *>(box))
            memo->selectAll();
        else
            static_cast<QLineEdit *>(box)->selectAll();
        ASSERT_TRUE(box->hasFocus());
    }

    // What a person's keyboard can put into a box: one key event per character.
    void type(QWidget *box, const QString &text)
    {
        selectAllOf(box);
        QTest::keyClick(box, Qt::Key_Delete);
        for (qsizetype i = 0; i < text.size(); ++i) {
            const qsizetype length = text.at(i).isHighSurrogate() ? 2 : 1;
            const QString character = text.mid(i, length);
            QTest::sendKeyEvent(QTest::KeyAction::Click, box, Qt::Key_unknown, character,
                                Qt::NoModifier);
            i += length - 1;
        }
    }

    void paste(QWidget *box, const QString &text)
    {
        QGuiApplication::clipboard()->setText(text);
        selectAllOf(box);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    }

    QString frameShown() { return textOf("txmText"); }

    // Presses the button and checks what went on the wire against the button's rule.
    void pressAndCheck(const char *name)
    {
        SCOPED_TRACE(name);
        SCOPED_TRACE(messages.texts.join(QLatin1Char('|')).toStdString());
        const ButtonRule *rule = ruleOf(name);
        ASSERT_NE(rule, nullptr) << "no rule for the button; add it to buttonRules";
        auto *button = find<QAbstractButton>(name);
        const bool enabled = button->isEnabled();
        const qsizetype shownBefore = messages.texts.size();
        bringPageToFront(button);
        QTest::mouseClick(button, Qt::LeftButton);
        const std::string wire = port.wire();
        port.written.clear();
        const bool spoke = messages.texts.size() > shownBefore;

        if (!enabled || rule->sends == Sends::Nothing || wire.empty()) {
            EXPECT_EQ(wire, "");
            if (enabled && rule->sends == Sends::OneFrame) {
                EXPECT_TRUE(spoke) << "nothing sent and nothing said";
            }
            return;
        }
        ++m_framesSent;
        if (rule->sends == Sends::OneFrame) {
            EXPECT_TRUE(framegrammar::isWellFormed(wire, rule->letters)) << wire;
            EXPECT_EQ(wire, trailingBlanksCut(frameShown().toStdString()));
            if (*rule->tail) {
                EXPECT_TRUE(
                        frameShown().endsWith(memory::memoText(find<QPlainTextEdit>(rule->tail))));
            }
            return;
        }
        const auto frames = framesOfRun(wire, rule->letters[0]);
        for (const std::string &frame : frames)
            EXPECT_TRUE(framegrammar::isWellFormed(frame, rule->letters)) << frame;
        EXPECT_EQ(frames.back(), frameShown().toStdString());
    }

    // The page's boxes back at the texts the window opens with.
    void restoreDefaults(const PageControls &controls)
    {
        for (const ui::ControlRow *row : controls.boxes) {
            if (auto *edit = main.findChild<QLineEdit *>(QLatin1String(row->name)))
                edit->setText(QString::fromUtf8(row->text));
            else
                find<QPlainTextEdit>(row->name)->setPlainText(QString::fromUtf8(row->text));
        }
    }

    // The entry in one box, the others as the window opens.
    void sweepWith(const ui::ControlRow &target, const BadEntry &entry, bool typed)
    {
        SCOPED_TRACE(std::string(typed ? "typed " : "pasted ") + entry.name + " into "
                     + target.name);
        const PageControls controls = controlsOf(page());
        restoreDefaults(controls);
        auto *box = find<QWidget>(target.name);
        typed ? type(box, entry.text) : paste(box, entry.text);
        for (const ui::ControlRow *row : controls.buttons)
            pressAndCheck(row->name);
        for (const ui::ControlRow *row : controls.boxes)
            focusInto(find<QWidget>(row->name));
        if (!controls.buttons.empty())
            find<QWidget>(controls.buttons.front()->name)->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(port.wire(), "") << "moving the focus sent something";
        port.written.clear();
    }

    int m_framesSent = 0;
    QTimer m_cancelDialogs;
};

TEST_P(BadInputSweep, EveryButtonSendsAWellFormedFrameOrSaysWhyNot)
{
    const PageControls controls = controlsOf(page());
    // Once as the page opens, once with every check box and option button clicked.
    for (int round = 0; round < 2; ++round) {
        if (controls.boxes.empty()) { // a page of buttons alone
            for (const ui::ControlRow *row : controls.buttons)
                pressAndCheck(row->name);
        }
        for (const ui::ControlRow *box : controls.boxes) {
            for (const BadEntry &entry : badEntries) {
                if (entry.text.size() <= 20)
                    sweepWith(*box, entry, true);
                sweepWith(*box, entry, false);
            }
        }
        for (const ui::ControlRow *row : controls.ticks) {
            auto *tick = find<QAbstractButton>(row->name);
            bringPageToFront(tick);
            QTest::mouseClick(tick, Qt::LeftButton, {}, {4, tick->height() / 2});
        }
    }
    EXPECT_TRUE(port.isOpen());
    // A sweep in which no button ever sent anything would prove nothing.
    const bool transmits = std::any_of(controls.buttons.begin(), controls.buttons.end(),
                                       [](const ui::ControlRow *row) {
                                           const ButtonRule *rule = ruleOf(row->name);
                                           return rule && rule->sends != Sends::Nothing;
                                       });
    EXPECT_EQ(m_framesSent > 0, transmits);
}

std::string pageName(const ::testing::TestParamInfo<std::size_t> &info)
{
    std::string name;
    for (const char *c = ui::pageTables()[info.param].caption; *c; ++c) {
        if (std::isalnum(static_cast<unsigned char>(*c)))
            name += *c;
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(EveryPage, BadInputSweep,
                         ::testing::Range(std::size_t{0}, ui::pageTables().size()), pageName);

} // namespace
