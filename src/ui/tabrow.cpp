#include "ui/tabrow.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QSignalBlocker>

namespace ui {

namespace {

// A caption as a page tab: named by its text, current only while it is the one current
// caption of the whole control, and pressed to show its page.
class CaptionAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    CaptionAccessible(TabRow *row, int index)
        : m_row(row)
        , m_index(index)
    {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface
                       ? static_cast<QAccessibleActionInterface *>(this)
                       : nullptr;
    }
    bool isValid() const override { return m_row && m_index < m_row->captionCount(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_row ? m_row->window()->windowHandle() : nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_row.data());
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Name && isValid() ? m_row->tabText(m_index) : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect tab = m_row->tabRect(m_index);
        return {m_row->mapToGlobal(tab.topLeft()), tab.size()};
    }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.focusable = true;
        state.selectable = true;
        state.focused = state.selected = m_row->currentIndex() == m_index;
        state.disabled = !m_row->isEnabled();
        state.invisible = !m_row->isVisible();
        return state;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &name) override
    {
        if (name == pressAction() && isValid())
            m_row->setCurrentIndex(m_index);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

    int index() const { return m_index; }

private:
    QPointer<TabRow> m_row;
    int m_index;
};

class TabRowAccessible : public QAccessibleWidget
{
public:
    explicit TabRowAccessible(TabRow *row)
        : QAccessibleWidget(row, QAccessible::PageTabList)
    {}
    ~TabRowAccessible() override
    {
        for (const QAccessible::Id id : std::as_const(m_captions))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return row()->captionCount(); }
    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (const QAccessible::Id id = m_captions.value(index))
            return QAccessible::accessibleInterface(id);
        auto *caption = new CaptionAccessible(row(), index);
        m_captions.insert(index, QAccessible::registerAccessibleInterface(caption));
        return caption;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (auto it = m_captions.cbegin(); it != m_captions.cend(); ++it)
            if (QAccessible::accessibleInterface(it.value()) == child)
                return it.key();
        return -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (child(i)->rect().contains(x, y))
                return child(i);
        return nullptr;
    }

private:
    TabRow *row() const { return static_cast<TabRow *>(widget()); }

    mutable QHash<int, QAccessible::Id> m_captions;
};

QAccessibleInterface *rowInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String(TabRow::staticMetaObject.className()))
        return new TabRowAccessible(static_cast<TabRow *>(object));
    return nullptr;
}

} // namespace

TabRow::TabRow(const QStringList &captions, QWidget *parent)
    : QTabBar(parent)
{
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(rowInterface);
        return true;
    }();
    setExpanding(true);
    setDrawBase(false);
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideNone);
    for (const QString &caption : captions)
        addTab(caption);
    setTabVisible(addTab(QString()), false);
}

void TabRow::select(int tab)
{
    const QSignalBlocker blocker(this);
    setCurrentIndex(tab >= 0 ? tab : count() - 1);
}

} // namespace ui
