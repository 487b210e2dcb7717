#include "pages/pageattach.h"

#include "pages/pagecontrols.h"
#include "protocol/stringframes.h"
#include "ui/commandlink.h"

#include <QLineEdit>

namespace pages {

namespace {

struct StringPage
{
    protocol::StringDirection direction;
    const char *button, *text, *x, *y;
};

constexpr StringPage stringPages[] = {
        {protocol::StringDirection::Horizontal, "cmdH", "txtH", "txtHStrX", "txtHStrY"},
        {protocol::StringDirection::Vertical, "cmdVs", "txtV", "txtVStrX", "txtVStrY"},
};

} // namespace

void attachStringPages(const QObject &tabs, ui::CommandLink &link, ui::Messages &messages)
{
    for (const StringPage &page : stringPages) {
        auto *text = control<QLineEdit>(tabs, page.text);
        auto *x = control<QLineEdit>(tabs, page.x);
        auto *y = control<QLineEdit>(tabs, page.y);
        transmitOnClick(
                tabs, page.button, link, messages, [direction = page.direction, text, x, y] {
                    // The person sees the text in upper case, also when a position is refused.
                    const std::string upper = protocol::upperCased(text->text().toStdString());
                    if (upper != text->text().toStdString())
                        text->setText(QString::fromStdString(upper));
                    return protocol::stringFrame(direction, ui::BoxEntry(x), ui::BoxEntry(y),
                                                 upper);
                });
    }
}

} // namespace pages
