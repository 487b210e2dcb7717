#include "ui/clipboardcopy.h"

#include "ui/messages.h"

#include <QClipboard>
#include <QGuiApplication>

#include <algorithm>

namespace ui {

void copyToClipboard(const QString &text, Messages &messages)
{
    const bool blank = std::all_of(text.cbegin(), text.cend(),
                                   [](QChar c) { return c == QLatin1Char(' '); });
    if (blank) {
        messages.show(QStringLiteral("Nothing to there to copy!"));
        return;
    }
    QGuiApplication::clipboard()->setText(text);
    messages.show(QStringLiteral("Text copied to Clipboad"));
}

} // namespace ui
