#include "pages/shapepage.h"

#include "pages/pagecontrols.h"
#include "protocol/shapeframes.h"
#include "ui/commandlink.h"
#include "ui/pagetabs.h"

#include <QLineEdit>
#include <QPushButton>

namespace pages {

namespace {

constexpr ShapePageRow shapePages[] = {
        {'c', "cmdCirc", "txtCx", "txtCy", "txtcr"},
        {'s', "cmdSquare", "txtSx1", "txtSy1", "txtSr"},
        {'q', "cmdDiam", "txtDx", "txtDy", "txtDr"},
        {'t', "Command2", "txtStarx", "txtStary", "txtStarr"},
};

} // namespace

ShapePage::ShapePage(const ShapePageRow &row, QWidget &pages, ui::CommandLink &link,
                     ui::Messages &messages)
    : QObject(&pages)
    , m_letter(row.letter)
    , m_x(control<QLineEdit>(pages, row.x))
    , m_y(control<QLineEdit>(pages, row.y))
    , m_size(control<QLineEdit>(pages, row.size))
    , m_link(link)
    , m_messages(messages)
{
    connect(control<QPushButton>(pages, row.button), &QPushButton::clicked, this, &ShapePage::draw);
}

void ShapePage::draw()
{
    ui::transmit(m_link, m_messages, [this] {
        return protocol::shapeFrame(m_letter, ui::BoxEntry(m_x), ui::BoxEntry(m_y),
                                    ui::BoxEntry(m_size));
    });
}

void attachShapePages(ui::PageTabs &tabs, ui::CommandLink &link, ui::Messages &messages)
{
    for (const ShapePageRow &row : shapePages) {
        auto *page = new ShapePage(row, tabs, link, messages);
        if (row.letter == 'c')
            QObject::connect(&tabs, &ui::PageTabs::doubleClicked, page, &ShapePage::draw);
    }
}

} // namespace pages
