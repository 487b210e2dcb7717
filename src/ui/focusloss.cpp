#include "ui/focusloss.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QWidget>

namespace ui {

namespace {

class FocusLossFilter final : public QObject
{
public:
    FocusLossFilter(QWidget *box, std::function<void(Qt::FocusReason)> check)
        : QObject(box)
        , m_check(std::move(check))
    {
        box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                m_check(reason);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void(Qt::FocusReason)> m_check;
};

class CtrlTabFilter final : public QObject
{
public:
    explicit CtrlTabFilter(QWidget *box)
        : QObject(box)
    {
        box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (!tab || !(key->modifiers() & Qt::ControlModifier))
            return false;
        // The box's own handling of a plain Tab moves the focus.
        QKeyEvent plain(QEvent::KeyPress, key->key(), key->modifiers() & Qt::ShiftModifier);
        QCoreApplication::sendEvent(watched, &plain);
        return true;
    }
};

} // namespace

void onFocusLoss(QWidget *box, std::function<void()> check)
{
    new FocusLossFilter(box, [check = std::move(check)](Qt::FocusReason) { check(); });
}

void onFocusLoss(QWidget *box, std::function<void(Qt::FocusReason)> check)
{
    new FocusLossFilter(box, std::move(check));
}

void ctrlTabMovesOn(QWidget *box)
{
    new CtrlTabFilter(box);
}

} // namespace ui
