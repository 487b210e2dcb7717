#include "ui/focusloss.h"

#include <QEvent>
#include <QFocusEvent>
#include <QWidget>

namespace ui {

namespace {

class FocusLossFilter final : public QObject
{
public:
    FocusLossFilter(QWidget *box, std::function<void()> check)
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
                m_check();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_check;
};

} // namespace

void onFocusLoss(QWidget *box, std::function<void()> check)
{
    new FocusLossFilter(box, std::move(check));
}

} // namespace ui
