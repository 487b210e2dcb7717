#include "pages/pagecontrols.h"

#include <QListWidget>

namespace pages {

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
