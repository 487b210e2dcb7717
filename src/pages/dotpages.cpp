#include "pages/pageattach.h"

#include "pages/pagecontrols.h"
#include "protocol/pointframes.h"
#include "ui/commandlink.h"
#include "ui/messages.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace pages {

namespace {

using ui::BoxEntry;

// "&Draw Dots": the whole run is made first and then sent frame by frame, each through `send`.
void drawDots(const QObject &tabs, ui::CommandLink &link, ui::Messages &messages)
{
    auto *count = control<QLineEdit>(tabs, "txtDotnum");
    auto *x = control<QLineEdit>(tabs, "txtDotManyx");
    auto *y = control<QLineEdit>(tabs, "txtDotManyy");
    auto *vertical = control<QRadioButton>(tabs, "optVert");
    auto *button = control<QPushButton>(tabs, "Command4");
    QObject::connect(button, &QPushButton::clicked, button, [=, &link, &messages] {
        if (!link.guardOpen())
            return;
        const auto direction = vertical->isChecked() ? protocol::RunDirection::Vertical
                                                     : protocol::RunDirection::Horizontal;
        const auto run
                = protocol::dotRunFrames(BoxEntry(count), BoxEntry(x), BoxEntry(y), direction);
        if (!run.ok()) {
            messages.show(QString::fromStdString(run.refusal));
            return;
        }
        QStringList frames;
        for (const std::string &frame : run.frames)
            frames.append(QString::fromStdString(frame));
        link.sendAll(frames);
    });
}

} // namespace

void attachDotPages(const QObject &tabs, ui::CommandLink &link, ui::Messages &messages)
{
    const auto box = [&tabs](const char *name) {
        return control<QLineEdit>(tabs, name);
    };

    transmitOnClick(tabs, "Command3", link, messages,
                    [x = box("txtDotSingX"), y = box("txtDotSingy")] {
                        return protocol::setDotFrame(BoxEntry(x), BoxEntry(y));
                    });
    drawDots(tabs, link, messages);
    transmitOnClick(tabs, "cmdResetDot", link, messages,
                    [x = box("txtResetx"), y = box("txtResety")] {
                        return protocol::resetDotFrame(BoxEntry(x), BoxEntry(y));
                    });
    transmitOnClick(tabs, "cmdPutByte", link, messages,
                    [x = box("txtPutBytex"), y = box("txtPutBytey"), value = box("txtPutByte")] {
                        return protocol::putByteFrame(BoxEntry(x), BoxEntry(y), BoxEntry(value));
                    });
    transmitOnClick(tabs, "cmdPutChr", link, messages,
                    [x = box("txtPutChrx"), y = box("txtPutchry"), character = box("txtPutChr")] {
                        return protocol::putCharacterFrame(BoxEntry(x), BoxEntry(y),
                                                           character->text().toStdString());
                    });
    auto *steps = control<QListWidget>(tabs, "List2");
    keepSelection(steps);
    transmitOnClick(tabs, "cmdFill", link, messages,
                    [steps] { return protocol::fillFrame(BoxEntry(steps).text); });
}

} // namespace pages
