#pragma once

#include <QLineEdit>

namespace ui {

// The terminal line `txmText`: holds the frame `send` transmits, and reports every character
// typed into it (control characters included, non-ASCII as UTF-8) so it can go to the board;
// editing keys such as Delete, the arrows or the function keys send nothing.
class TerminalLine : public QLineEdit
{
    Q_OBJECT
public:
    explicit TerminalLine(QWidget *parent = nullptr);

signals:
    void typed(const QByteArray &bytes);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
};

} // namespace ui
