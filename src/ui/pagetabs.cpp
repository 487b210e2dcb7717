#include "ui/pagetabs.h"

#include "ui/commandlink.h"
#include "ui/messages.h"

namespace ui {

PageTabs::PageTabs(CommandLink &link, Messages &messages, QWidget *parent)
    : QWidget(parent)
    , m_link(link)
    , m_messages(messages)
{
    setObjectName(QStringLiteral("SSTab1"));
    setMinimumSize(460, 250);
}

void PageTabs::selectStartupItems() {}

} // namespace ui
