#include "ui/messages.h"

#include <QMessageBox>

namespace ui {

void MessageBoxes::show(const QString &text, const QString &details)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Sketra"), text, QMessageBox::Ok, m_parent);
    box.setTextFormat(Qt::PlainText);
    if (!details.isEmpty())
        box.setInformativeText(details);
    box.exec();
}

} // namespace ui
