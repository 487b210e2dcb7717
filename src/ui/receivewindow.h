#pragma once

#include "ui/longlines.h"

namespace ui {

// The receive window `rcvText`. Its text reads with CR LF line ends, as the board sends them;
// received bytes are appended at the end of the document, so a tick costs the same however
// long the history is, and the view never scrolls by itself.
class ReceiveWindow : public LongLineBox
{
    Q_OBJECT
public:
    explicit ReceiveWindow(QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);
    bool holds(const QString &text) const;

    // Bytes as received, line ends already CR LF; one character per byte (Latin-1).
    void appendReceived(const QByteArray &bytes);
};

} // namespace ui
