#include "pages/pageattach.h"

#include "pages/pagecontrols.h"
#include "protocol/shapeframes.h"
#include "ui/commandlink.h"

#include <QCheckBox>
#include <QLineEdit>

#include <array>

namespace pages {

void attachRectanglePage(QWidget &pages, ui::CommandLink &link, ui::Messages &messages)
{
    auto *fill = control<QCheckBox>(pages, "chkfill");
    auto *clear = control<QCheckBox>(pages, "chkclear");
    QObject::connect(fill, &QCheckBox::toggled, clear, &QCheckBox::setEnabled);

    const std::array corners
            = {control<QLineEdit>(pages, "txtX1"), control<QLineEdit>(pages, "txtX2"),
               control<QLineEdit>(pages, "txtY1"), control<QLineEdit>(pages, "txtY2")};
    auto *step = control<QLineEdit>(pages, "txtrs1");
    transmitOnClick(pages, "cmdRect", link, messages, [=] {
        const auto result = protocol::rectangleFrame(
                {ui::BoxEntry(corners[0]), ui::BoxEntry(corners[1]), ui::BoxEntry(corners[2]),
                 ui::BoxEntry(corners[3]), ui::BoxEntry(step), fill->isChecked(),
                 clear->isChecked()});
        if (result.encoded.ok()) {
            for (std::size_t i = 0; i < corners.size(); ++i) {
                const QString corrected = QString::fromStdString(result.corners[i]);
                if (corners[i]->text() != corrected)
                    corners[i]->setText(corrected);
            }
        }
        return result.encoded;
    });
}

void attachLinePage(QWidget &pages, ui::CommandLink &link, ui::Messages &messages)
{
    const auto *x1 = control<QLineEdit>(pages, "txtLx1");
    const auto *y1 = control<QLineEdit>(pages, "txtLy1");
    const auto *x2 = control<QLineEdit>(pages, "txtLx2");
    const auto *y2 = control<QLineEdit>(pages, "txtLy2");
    transmitOnClick(pages, "cmdLine", link, messages, [=] {
        return protocol::lineFrame(ui::BoxEntry(x1), ui::BoxEntry(y1), ui::BoxEntry(x2),
                                   ui::BoxEntry(y2));
    });
}

} // namespace pages
