#include "ui/commandlink.h"

#include "protocol/frames.h"
#include "ui/messages.h"

#include <QLineEdit>
#include <QListWidget>

namespace ui {

void clearDisplay(CommandLink &link)
{
    if (link.guardOpen())
        link.send(QString::fromStdString(protocol::clearDisplayFrame()));
}

void transmit(CommandLink &link, Messages &messages,
              const std::function<protocol::Encoded()> &build)
{
    if (!link.guardOpen())
        return;
    const protocol::Encoded encoded = build();
    if (encoded.ok())
        link.send(QString::fromStdString(encoded.frame));
    else
        messages.show(QString::fromStdString(encoded.refusal));
}

BoxEntry::BoxEntry(const QLineEdit *box)
    : label(box->accessibleName().toStdString())
    , text(box->text().toStdString())
{}

BoxEntry::BoxEntry(const QListWidget *list)
    : label(list->accessibleName().toStdString())
{
    const auto selected = list->selectedItems();
    if (!selected.isEmpty())
        text = selected.front()->text().toStdString();
}

} // namespace ui
