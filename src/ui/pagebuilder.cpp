#include "ui/pagebuilder.h"

#include "ui/layouttable.h"
#include "ui/longlines.h"
#include "ui/typinglimit.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>
#include <vector>

namespace ui {

namespace {

// Room for a four-digit number with a little air, in the box's own font.
int narrowWidth(const QWidget *widget)
{
    return widget->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 10;
}

QLabel *label(const QString &text, QWidget *parent)
{
    auto *result = new QLabel(text, parent);
    result->setTextFormat(Qt::PlainText);
    return result;
}

QWidget *textBox(const ControlRow &row, QWidget *parent)
{
    auto *edit = new QLineEdit(QString::fromUtf8(row.text), parent);
    edit->setCursorPosition(0); // a long default shows its beginning
    if (row.at.colSpan == 1)
        edit->setFixedWidth(narrowWidth(edit));
    if (row.limit > 0)
        TypingLimit::apply(edit, row.limit);
    return edit;
}

QWidget *memo(QWidget *parent)
{
    auto *edit = new LongLineBox(parent);
    // Takes whatever room the page has; it never asks the page to grow.
    edit->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    edit->setMinimumSize(edit->fontMetrics().averageCharWidth() * 24,
                         edit->fontMetrics().lineSpacing() * 5);
    return edit;
}

QWidget *listBox(const ControlRow &row, QWidget *parent)
{
    constexpr int visibleItems = 5;
    auto *list = new QListWidget(parent);
    list->addItems(QString::fromUtf8(row.text).split(QLatin1Char('|')));
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int frame = 2 * list->frameWidth();
    const int scrollBar = list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    list->setFixedSize(
            list->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + scrollBar + frame + 8,
            std::min<int>(list->count(), visibleItems) * list->sizeHintForRow(0) + frame);
    return list;
}

QWidget *valueLabel(const ControlRow &row, QWidget *parent)
{
    QLabel *value = label(QString::fromUtf8(row.text), parent);
    value->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    value->setAlignment(Qt::AlignCenter);
    value->setFixedWidth(narrowWidth(value));
    return value;
}

// Running text wrapped to the page's width. While the window opens, the layouts ask every
// page's height for one width after another, and each asking lays out the whole text anew:
// that was most of the start-up. So it keeps each answer while its text and font stay.
class Paragraph final : public QLabel
{
public:
    Paragraph(const QString &text, QWidget *parent)
        : QLabel(text, parent)
    {
        setTextFormat(Qt::PlainText);
    }

    int heightForWidth(int width) const override
    {
        if (text() != m_measuredText) {
            m_heights.clear();
            m_measuredText = text();
        }
        const auto known = std::find_if(m_heights.begin(), m_heights.end(),
                                        [&](const auto &pair) { return pair.first == width; });
        if (known != m_heights.end())
            return known->second;
        constexpr std::size_t widthsKept = 16;
        if (m_heights.size() == widthsKept)
            m_heights.clear();
        const int height = QLabel::heightForWidth(width);
        m_heights.emplace_back(width, height);
        return height;
    }

protected:
    void changeEvent(QEvent *event) override
    {
        if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
            m_heights.clear();
        QLabel::changeEvent(event);
    }

private:
    mutable QString m_measuredText;
    mutable std::vector<std::pair<int, int>> m_heights;
};

QWidget *paragraph(const char *text, QWidget *parent)
{
    auto *note = new Paragraph(QString::fromUtf8(text), parent);
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    return note;
}

QWidget *control(const ControlRow &row, QWidget *parent)
{
    const QString text = QString::fromUtf8(row.text);
    switch (row.kind) {
    case Kind::Caption:
        return label(text, parent);
    case Kind::Paragraph:
        return paragraph(row.text, parent);
    case Kind::Value:
        return valueLabel(row, parent);
    case Kind::Text:
        return textBox(row, parent);
    case Kind::Memo:
        return memo(parent);
    case Kind::Check: {
        auto *box = new QCheckBox(text, parent);
        box->setChecked(row.state == State::Selected);
        return box;
    }
    case Kind::Option: {
        auto *option = new QRadioButton(text, parent);
        option->setChecked(row.state == State::Selected);
        return option;
    }
    case Kind::List:
        return listBox(row, parent);
    case Kind::Button:
        return new QPushButton(text, parent);
    case Kind::Group:
        return new QGroupBox(text, parent);
    case Kind::Strip:
    case Kind::End:
        break;
    }
    return nullptr;
}

// A page, group or strip while its rows are being added. A strip is a layout only, so the
// room it leaves free is free page, as far as the mouse is concerned.
class Container
{
public:
    Container(QWidget *widget, QGridLayout *grid, QHBoxLayout *line = nullptr)
        : m_widget(widget)
        , m_grid(grid)
        , m_line(line)
    {}

    QWidget *widget() const { return m_widget; }

    void add(QWidget *control, const ControlRow &row)
    {
        if (m_line) {
            m_line->addWidget(control);
            return;
        }
        m_grid->addWidget(control, row.at.row, row.at.col, row.at.rowSpan, row.at.colSpan);
        if (row.kind == Kind::Memo)
            m_growRow = row.at.row + row.at.rowSpan - 1;
    }

    Container openStrip(const Cell &at)
    {
        auto *line = new QHBoxLayout;
        m_grid->addLayout(line, at.row, at.col, at.rowSpan, at.colSpan);
        return {m_widget, nullptr, line};
    }

    // Controls pack to the top left; spare width goes to an empty last column, spare height
    // to the multi-line box if there is one, else to an empty last row.
    void finish()
    {
        if (m_line) {
            m_line->addStretch(1);
            return;
        }
        m_grid->setColumnStretch(m_grid->columnCount(), 1);
        m_grid->setRowStretch(m_growRow >= 0 ? m_growRow : m_grid->rowCount(), 1);
    }

private:
    QWidget *m_widget;
    QGridLayout *m_grid;
    QHBoxLayout *m_line;
    int m_growRow = -1;
};

} // namespace

QWidget *buildPage(const PageTable &table, QWidget *parent)
{
    auto *page = new QWidget(parent);
    auto *layout = new QVBoxLayout(page);
    if (*table.explanation) {
        layout->addWidget(paragraph(table.explanation, page));
        layout->addSpacing(layout->spacing());
    }
    auto *grid = new QGridLayout;
    layout->addLayout(grid, 1);

    std::vector<Container> open{{page, grid}};
    for (const ControlRow &row : table.rows) {
        if (row.kind == Kind::End) {
            open.back().finish();
            open.pop_back();
            continue;
        }
        if (row.kind == Kind::Strip) {
            open.push_back(open.back().openStrip(row.at));
            continue;
        }
        Container &into = open.back();
        QWidget *widget = control(row, into.widget());
        widget->setObjectName(QString::fromUtf8(row.name));
        if (*row.accessible)
            widget->setAccessibleName(QString::fromUtf8(row.accessible));
        if (row.state == State::Disabled)
            widget->setEnabled(false);
        into.add(widget, row);
        if (row.kind == Kind::Group)
            open.emplace_back(widget, new QGridLayout(widget));
    }
    open.back().finish();
    return page;
}

} // namespace ui
