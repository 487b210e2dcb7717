#pragma once

#include <QString>
#include <QWidget>

namespace ui {

// `Help`: the Brevik firmware's command reference card, in the firmware's own notation.
// Built once; "&Close" only hides it, so it keeps its text and its scroll position.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *owner);

    // The reference exactly as `Text1` holds it: lines joined by CR LF, none after the last.
    // The text box itself shows the lines with its own line ends.
    QString referenceText() const { return m_reference; }

private:
    QString m_reference;
};

} // namespace ui
