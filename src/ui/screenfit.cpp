#include "ui/screenfit.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>

namespace ui {

namespace {

constexpr int gap = 16;

// What the window manager adds around a window: known once the window is on the screen;
// before that, a title bar's height and a thin border are a fair guess.
QSize frameOf(const QWidget *window)
{
    const QSize known = window->frameGeometry().size() - window->geometry().size();
    if (known.width() > 0 || known.height() > 0)
        return known;
    return {8, window->fontMetrics().height() * 2 + 8};
}

// The offscreen platform's one screen is no person's: tests and rendered pictures want the
// window whole.
bool realScreen()
{
    return QGuiApplication::platformName() != QLatin1String("offscreen");
}

} // namespace

ScreenFit::ScreenFit(QWidget *window, QWidget *form)
    : QObject(window)
    , m_window(window)
    , m_form(form)
    , m_area(new QScrollArea(window))
{
    m_area->setObjectName(QStringLiteral("formScroll"));
    m_area->setFrameShape(QFrame::NoFrame);
    m_area->setFocusPolicy(Qt::NoFocus); // no stop of its own for Tab; it follows the focus
    m_area->setWidgetResizable(false);
    m_area->setWidget(form);
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_area);
    fitInto(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    window->installEventFilter(this);
}

void ScreenFit::fitInto(QSize room)
{
    const QSize full = m_form->sizeHint().expandedTo(m_form->minimumSize());
    const int bar = m_window->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    QSize size = full;
    // A scroll bar one way takes room the other way.
    if (size.height() > room.height()) {
        size.setHeight(room.height());
        size.rwidth() += bar;
    }
    if (size.width() > room.width()) {
        size.setWidth(room.width());
        size.setHeight(std::min(size.height() + bar, room.height()));
    }
    if (size == full) {
        m_window->setFixedSize(full);
        return;
    }
    m_window->setMinimumSize(size.boundedTo(QSize(bar * 8, bar * 8)));
    m_window->setMaximumSize(full + QSize(bar, bar));
    m_window->resize(size);
}

bool ScreenFit::eventFilter(QObject *watched, QEvent *event)
{
    // Each time, as the window may have moved to another screen while hidden.
    if (watched == m_window && event->type() == QEvent::Show && realScreen()) {
        const QRect room = m_window->screen()->availableGeometry();
        fitInto(room.size() - frameOf(m_window));
        if (!room.contains(m_window->frameGeometry()))
            m_window->move(room.topLeft());
    }
    return QObject::eventFilter(watched, event);
}

QPoint besidePosition(QSize size, const QRect &other, const QRect &room)
{
    const QPoint sides[] = {
            {other.right() + 1 + gap, other.top()},
            {other.left() - gap - size.width(), other.top()},
            {other.left(), other.bottom() + 1 + gap},
            {other.left(), other.top() - gap - size.height()},
    };
    for (const QPoint &side : sides) {
        if (room.contains(QRect(side, size)))
            return side;
    }
    // Over the other window then, but wholly on the screen where it fits on it at all.
    return {std::max(room.left(), room.right() + 1 - size.width()),
            std::max(room.top(), std::min(other.top(), room.bottom() + 1 - size.height()))};
}

void placeSideBySide(QWidget *first, QWidget *second)
{
    // A window manager would centre the first window and leave the second no room beside it.
    first->adjustSize();
    second->adjustSize();
    const QSize firstSize = first->size() + frameOf(first);
    const QSize secondSize = second->size() + frameOf(second);
    const QRect room = first->screen()->availableGeometry();
    const QSize both(firstSize.width() + gap + secondSize.width(),
                     std::max(firstSize.height(), secondSize.height()));
    const QPoint corner(room.left() + std::max(0, (room.width() - both.width()) / 2),
                        room.top() + std::max(0, (room.height() - both.height()) / 2));
    first->move(corner);
    second->move(besidePosition(secondSize, QRect(corner, firstSize), room));
}

} // namespace ui
