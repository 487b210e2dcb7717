#include "ui/pagetabs.h"

#include "ui/commandlink.h"
#include "ui/layouttable.h"
#include "ui/messages.h"
#include "ui/pagebuilder.h"
#include "ui/tabrow.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace ui {

namespace {

constexpr int rowCount = 4;

// Splits the captions, kept in order, into `rows` runs so that the widest run is as narrow
// as it can be. Returns the index of the first caption of every run.
std::vector<int> balancedRows(const std::vector<int> &widths, int rows)
{
    const int n = int(widths.size());
    std::vector<int> sums(n + 1, 0);
    for (int i = 0; i < n; ++i)
        sums[i + 1] = sums[i] + widths[i];
    // widest[k][i]: the narrowest widest run when the first i captions fill k rows.
    constexpr int unreachable = std::numeric_limits<int>::max();
    std::vector<std::vector<int>> widest(rows + 1, std::vector<int>(n + 1, unreachable));
    std::vector<std::vector<int>> start(rows + 1, std::vector<int>(n + 1, 0));
    widest[0][0] = 0;
    for (int k = 1; k <= rows; ++k) {
        for (int i = k; i <= n; ++i) {
            for (int j = k - 1; j < i; ++j) {
                if (widest[k - 1][j] == unreachable)
                    continue;
                const int candidate = std::max(widest[k - 1][j], sums[i] - sums[j]);
                if (candidate < widest[k][i]) {
                    widest[k][i] = candidate;
                    start[k][i] = j;
                }
            }
        }
    }
    std::vector<int> starts(rows);
    for (int k = rows, i = n; k > 0; --k) {
        i = start[k][i];
        starts[k - 1] = i;
    }
    return starts;
}

} // namespace

PageTabs::PageTabs(CommandLink &link, Messages &messages, QWidget *parent)
    : QWidget(parent)
    , m_link(link)
    , m_messages(messages)
{
    setObjectName(QStringLiteral("SSTab1"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_stack = new QStackedWidget(this);
    m_stack->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    m_stack->installEventFilter(this);
    for (const PageTable &table : pageTables()) {
        QWidget *page = buildPage(table, m_stack);
        page->installEventFilter(this);
        m_stack->addWidget(page);
    }
    buildRows();
    for (TabRow *row : m_rows)
        layout->addWidget(row);
    layout->addWidget(m_stack, 1);
    setFocusProxy(m_places.front().row);
    setCurrentIndex(0);

    connect(findChild<QPushButton *>(QStringLiteral("cmdClearLCD")), &QPushButton::clicked, this,
            [this] { clearDisplay(m_link); });
}

void PageTabs::buildRows()
{
    const auto tables = pageTables();
    std::vector<int> widths;
    {
        QTabBar probe;
        probe.setExpanding(false);
        for (const PageTable &table : tables)
            widths.push_back(probe.tabRect(probe.addTab(QString::fromUtf8(table.caption))).width());
    }
    const std::vector<int> starts = balancedRows(widths, rowCount);
    for (int r = 0; r < rowCount; ++r) {
        const int end = r + 1 < rowCount ? starts[r + 1] : int(tables.size());
        QStringList captions;
        for (int i = starts[r]; i < end; ++i)
            captions.append(QString::fromUtf8(tables[i].caption));
        auto *row = new TabRow(captions, this);
        row->setObjectName(QStringLiteral("SSTab1Row%1").arg(r + 1));
        row->setFocusPolicy(Qt::NoFocus);
        row->installEventFilter(this);
        for (int tab = 0; tab < row->captionCount(); ++tab)
            m_places.push_back({row, tab});
        connect(row, &QTabBar::currentChanged, this, [this, row](int tab) {
            const auto place = std::find_if(m_places.begin(), m_places.end(), [&](const Place &p) {
                return p.row == row && p.tab == tab;
            });
            if (place != m_places.end())
                setCurrentIndex(int(place - m_places.begin()));
        });
        m_rows.push_back(row);
    }
}

void PageTabs::selectStartupItems()
{
    for (const PageTable &table : pageTables()) {
        for (const ControlRow &row : table.rows) {
            if (row.kind != Kind::List)
                continue;
            auto *list = findChild<QListWidget *>(QString::fromUtf8(row.name));
            const auto items
                    = list->findItems(QString::fromUtf8(row.startupItem), Qt::MatchExactly);
            if (!items.isEmpty())
                list->setCurrentItem(items.front());
        }
    }
}

int PageTabs::count() const
{
    return int(m_places.size());
}

int PageTabs::currentIndex() const
{
    return m_current;
}

void PageTabs::setCurrentIndex(int index)
{
    if (index < 0 || index >= count() || index == m_current)
        return;
    const bool rowHadFocus = std::any_of(m_rows.begin(), m_rows.end(),
                                         [](TabRow *row) { return row->hasFocus(); });
    m_current = index;
    m_stack->setCurrentIndex(index);
    const Place &place = m_places[index];
    for (TabRow *row : m_rows) {
        const bool holdsCurrent = row == place.row;
        row->select(holdsCurrent ? place.tab : -1);
        // Only the row with the current caption is a stop on the Tab key's way.
        row->setFocusPolicy(holdsCurrent ? Qt::TabFocus : Qt::NoFocus);
    }
    setFocusProxy(place.row);
    if (rowHadFocus)
        place.row->setFocus();
    emit currentChanged(index);
}

QString PageTabs::tabText(int index) const
{
    const Place &place = m_places.at(index);
    return place.row->tabText(place.tab);
}

QWidget *PageTabs::page(int index) const
{
    return m_stack->widget(index);
}

void PageTabs::step(int delta)
{
    setCurrentIndex((m_current + delta + count()) % count());
}

bool PageTabs::onFreePart(QWidget *widget, const QPointF &position) const
{
    return widget->childAt(position.toPoint()) == nullptr;
}

bool PageTabs::eventFilter(QObject *watched, QEvent *event)
{
    const bool isRow = std::find(m_rows.begin(), m_rows.end(), watched) != m_rows.end();
    switch (event->type()) {
    case QEvent::MouseButtonDblClick: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (isRow || onFreePart(static_cast<QWidget *>(watched), mouse->position())) {
            emit doubleClicked();
            return true;
        }
        break;
    }
    case QEvent::KeyPress:
        if (isRow) {
            // The arrows walk every caption in order, from one row into the next.
            switch (static_cast<QKeyEvent *>(event)->key()) {
            case Qt::Key_Left:
            case Qt::Key_Up:
                setCurrentIndex(std::max(0, m_current - 1));
                return true;
            case Qt::Key_Right:
            case Qt::Key_Down:
                setCurrentIndex(std::min(count() - 1, m_current + 1));
                return true;
            case Qt::Key_Home:
                setCurrentIndex(0);
                return true;
            case Qt::Key_End:
                setCurrentIndex(count() - 1);
                return true;
            default:
                break;
            }
        }
        break;
    case QEvent::Wheel:
        if (isRow)
            return true;
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void PageTabs::keyPressEvent(QKeyEvent *event)
{
    // Ctrl+Tab and Ctrl+PgDn from anywhere on the pages, as in any tabbed dialog.
    const bool control = event->modifiers() & Qt::ControlModifier;
    const int key = event->key();
    int delta = 0;
    if (control && (key == Qt::Key_PageDown || (key == Qt::Key_Tab)))
        delta = 1;
    else if (control && (key == Qt::Key_PageUp || key == Qt::Key_Backtab))
        delta = -1;
    if (delta == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    step(delta);
    m_places[m_current].row->setFocus(Qt::TabFocusReason);
}

} // namespace ui
