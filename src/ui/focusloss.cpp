#include "ui/focusloss.h"

#include <QEvent>
#include <QFocusEvent>
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

} // namespace

void onFocusLoss(QWidget *box, std::function<void()> check)
{
    new FocusLossFilter(box, [check = std::move(check)](Qt::FocusReason) { check(); });
}

void onFocusLoss(QWidget *box, std::function<void(Qt::FocusReason)> check)
{
    new FocusLossFilter(box, std::move(check));
}

} // namespace ui
