#include "pages/pagecontrols.h"

#include "ui/commandlink.h"

#include <QAbstractButton>
#include <QListWidget>

namespace pages {

void transmitOnClick(const QObject &root, const char *button, ui::CommandLink &link,
                     ui::Messages &messages, std::function<protocol::Encoded()> build)
{
    auto *pressed = control<QAbstractButton>(root, button);
    QObject::connect(
            pressed, &QAbstractButton::clicked, pressed,
            [&link, &messages, build = std::move(build)] { ui::transmit(link, messages, build); });
}

void keepSelection(QListWidget *list)
{
    QItemSelectionModel *model = list->selectionModel();
    QObject::connect(model, &QItemSelectionModel::selectionChanged, list,
                     [model](const QItemSelection &, const QItemSelection &deselected) {
                         if (!model->hasSelection() && !deselected.isEmpty())
                             model->select(deselected.indexes().front(),
                                           QItemSelectionModel::Select);
                     });
}

} // namespace pages
