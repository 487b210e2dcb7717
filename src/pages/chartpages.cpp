#include "pages/pageattach.h"

#include "pages/pagecontrols.h"
#include "protocol/shapeframes.h"
#include "ui/commandlink.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

namespace pages {

namespace {

const QString lyingCaption = QStringLiteral("Length");
const QString standingCaption = QStringLiteral("Height");

struct AxisPageRow
{
    char letter;
    const char *button, *start, *length, *across, *ticks;
};

constexpr AxisPageRow axisPages[] = {
        {'x', "cmdXaxis", "txtXaxisx", "txtXaxisLen", "txtXaxisy", "lsttickx"},
        {'y', "cmdyaxis", "txtYAxisy", "txtYAxisLen", "txtYAxisx", "lstticky"},
};

} // namespace

void attachBarPage(QWidget &pages, ui::CommandLink &link, ui::Messages &messages)
{
    auto *caption = control<QLabel>(pages, "Label70");
    auto *height = control<QLineEdit>(pages, "txtbarheight");
    const auto captionFor = [=](const QString &text) {
        return [=](bool selected) {
            if (!selected)
                return;
            caption->setText(text);
            height->setAccessibleName(text);
        };
    };
    auto *vertical = control<QRadioButton>(pages, "optbarv");
    QObject::connect(vertical, &QRadioButton::toggled, caption, captionFor(standingCaption));
    QObject::connect(control<QRadioButton>(pages, "optbarh"), &QRadioButton::toggled, caption,
                     captionFor(lyingCaption));

    const auto *x = control<QLineEdit>(pages, "txtbarx");
    const auto *y = control<QLineEdit>(pages, "txtbary");
    const auto *width = control<QLineEdit>(pages, "txtbarwidth");
    auto *steps = control<QListWidget>(pages, "List3");
    keepSelection(steps);
    transmitOnClick(pages, "cmdbar", link, messages, [=] {
        return protocol::barFrame({ui::BoxEntry(x), ui::BoxEntry(y), ui::BoxEntry(height),
                                   ui::BoxEntry(width), vertical->isChecked(),
                                   ui::BoxEntry(steps)});
    });
}

void attachAxisPages(QWidget &pages, ui::CommandLink &link, ui::Messages &messages)
{
    for (const AxisPageRow &row : axisPages) {
        const auto *start = control<QLineEdit>(pages, row.start);
        const auto *length = control<QLineEdit>(pages, row.length);
        const auto *across = control<QLineEdit>(pages, row.across);
        auto *ticks = control<QListWidget>(pages, row.ticks);
        keepSelection(ticks);
        transmitOnClick(pages, row.button, link, messages, [=, letter = row.letter] {
            return protocol::axisFrame(letter, ui::BoxEntry(start), ui::BoxEntry(length),
                                       ui::BoxEntry(across), ui::BoxEntry(ticks));
        });
    }
}

} // namespace pages
