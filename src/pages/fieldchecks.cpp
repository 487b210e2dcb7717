#include "pages/fieldchecks.h"

#include "pages/pagecontrols.h"
#include "protocol/numbers.h"
#include "ui/focusloss.h"
#include "ui/messages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPointer>

#include <limits>
#include <utility>

namespace pages {

namespace {

// What a checked box must hold when it loses the focus.
enum class FieldRule {
    Range,    // its number, plus the number of `start` when it names one, within low..high
    NotEmpty, // any text at all, blanks included
};

// One box checked on every loss of focus: when its rule breaks, the message (none when empty),
// then the reset text.
struct FieldCheck
{
    const char *box;
    FieldRule rule;
    double low, high;
    const char *start; // the start box a length adds to; empty for none
    const char *message;
    const char *reset;
};

constexpr const char *invalidValue = "Invalid Value";
constexpr const char *outOfBounds = "Out of bounds value!";
constexpr const char *stepRange = "Must be between 1 and 9";
constexpr double anyLength = -std::numeric_limits<double>::infinity();

// clang-format off
constexpr FieldCheck checks[] = {
    {"txtbarx",     FieldRule::Range,    0,         255, "",          invalidValue, "20"},
    {"txtbary",     FieldRule::Range,    0,         255, "",          invalidValue, "20"},
    {"txtXaxisx",   FieldRule::Range,    0,         255, "",          invalidValue, "16"},
    {"txtXaxisy",   FieldRule::Range,    0,         255, "",          invalidValue, "56"},
    {"txtYAxisx",   FieldRule::Range,    0,         255, "",          invalidValue, "16"},
    {"txtYAxisy",   FieldRule::Range,    0,         255, "",          invalidValue, "10"},
    {"txtXaxisLen", FieldRule::Range,    anyLength, 255, "txtXaxisx", outOfBounds,  "0"},
    {"txtYAxisLen", FieldRule::Range,    anyLength, 255, "txtYAxisy", outOfBounds,  "0"},
    {"txtrs1",      FieldRule::Range,    1,         9,   "",          stepRange,    "1"},
    {"txtPutChrx",  FieldRule::NotEmpty, 0,         0,   "",          "",           "0"},
    {"txtPutchry",  FieldRule::NotEmpty, 0,         0,   "",          "",           "0"},
};
// clang-format on

double numberOf(const QLineEdit *box)
{
    return box ? protocol::lenientNumber(box->text().toStdString()) : 0;
}

bool holds(const FieldCheck &check, const QLineEdit *box, const QLineEdit *start)
{
    if (check.rule == FieldRule::NotEmpty)
        return !box->text().isEmpty();
    const double value = numberOf(box) + numberOf(start);
    return value >= check.low && value <= check.high; // false for a sum of opposite infinities
}

// Eats the mouse press that is on its way to `button` and goes away with it. Deleted when
// control returns to the event loop in case no press comes.
class SwallowPress final : public QObject
{
public:
    explicit SwallowPress(QAbstractButton *button)
        : QObject(button)
    {
        button->installEventFilter(this);
        deleteLater();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::MouseButtonPress)
            return QObject::eventFilter(watched, event);
        watched->removeEventFilter(this);
        return true;
    }
};

// A mnemonic (Alt+D) presses a button without taking the focus from the box being typed in, so
// that box would go unchecked into the frame. Here the button takes the focus first, as a click
// would; when that shows a check's message the button does not act either.
class ShortcutTakesFocus final : public QObject
{
public:
    explicit ShortcutTakesFocus(QWidget &pages)
        : QObject(&pages)
    {
        for (QAbstractButton *button : pages.findChildren<QAbstractButton *>())
            button->installEventFilter(this);
    }

    // Called by a check that has shown its message while the focus came by a shortcut.
    void refuse() { m_refused = true; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *button = event->type() == QEvent::Shortcut ? qobject_cast<QAbstractButton *>(watched)
                                                         : nullptr;
        if (!button || button->focusPolicy() == Qt::NoFocus || button->hasFocus())
            return QObject::eventFilter(watched, event);
        m_refused = false;
        button->setFocus(Qt::ShortcutFocusReason);
        return std::exchange(m_refused, false);
    }

private:
    bool m_refused = false;
};

} // namespace

void installFieldChecks(QWidget &pages, ui::Messages &messages)
{
    auto *shortcuts = new ShortcutTakesFocus(pages);
    for (const FieldCheck &check : checks) {
        QLineEdit *box = control<QLineEdit>(pages, check.box);
        const QLineEdit *start = *check.start ? control<QLineEdit>(pages, check.start) : nullptr;
        ui::onFocusLoss(box, [&check, box, start, &messages, shortcuts](Qt::FocusReason reason) {
            if (holds(check, box, start))
                return;
            if (*check.message) {
                // The press that moved the focus is still on its way to the widget it reached.
                QPointer<QAbstractButton> pressed
                        = qobject_cast<QAbstractButton *>(QApplication::focusWidget());
                messages.show(QString::fromUtf8(check.message));
                if (pressed && reason == Qt::MouseFocusReason)
                    new SwallowPress(pressed);
                if (reason == Qt::ShortcutFocusReason)
                    shortcuts->refuse();
            }
            box->setText(QString::fromUtf8(check.reset));
        });
    }
}

} // namespace pages
