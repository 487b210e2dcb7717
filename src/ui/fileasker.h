#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace ui {

// Asks a person for a file; an empty answer means none. Each tool that asks keeps one of these
// and lets a test put its own in place, so that no test ever waits on a dialog.
using FileAsker = std::function<QString(QWidget *parent)>;

FileAsker openFileAsker(const QString &title, const QString &filter);
FileAsker saveFileAsker(const QString &title, const QString &suggestedName, const QString &filter);

} // namespace ui
