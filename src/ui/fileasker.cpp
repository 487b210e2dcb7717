#include "ui/fileasker.h"

#include <QFileDialog>

namespace ui {

FileAsker openFileAsker(const QString &title, const QString &filter)
{
    return [title, filter](QWidget *parent) {
        return QFileDialog::getOpenFileName(parent, title, {}, filter);
    };
}

FileAsker saveFileAsker(const QString &title, const QString &suggestedName, const QString &filter)
{
    return [title, suggestedName, filter](QWidget *parent) {
        return QFileDialog::getSaveFileName(parent, title, suggestedName, filter);
    };
}

} // namespace ui
