#pragma once

#include <QString>

namespace ui {

class Messages;

// The "Copy" buttons: a text of nothing but blanks is refused, any other goes to the
// clipboard whole, leading and trailing blanks included.
void copyToClipboard(const QString &text, Messages &messages);

} // namespace ui
