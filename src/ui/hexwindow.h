#pragma once

#include <QByteArray>
#include <QWidget>

class QPlainTextEdit;

namespace ui {

// One row of the hex view: the offset of its first byte, up to 16 bytes in hex in two groups
// of eight, and the same bytes as ASCII with a dot for every byte that does not print:
// "00000000  52 65 61 64 79 3a 0d 0a                           |Ready:..|".
QString hexRow(qint64 offset, QByteArrayView bytes);

// The bytes received, as they came, in rows of hexRow, following new bytes. It keeps the last
// `limit` bytes (1 MiB) in whole rows; the rows are laid out only while the window is shown.
class HexWindow : public QWidget
{
    Q_OBJECT
public:
    static constexpr qsizetype rowBytes = 16;
    static constexpr qsizetype defaultLimit = 1024 * 1024;

    explicit HexWindow(QWidget *parent = nullptr, qsizetype limit = defaultLimit);

    QString text() const;

public slots:
    void takeBytes(const QByteArray &raw);

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Appends the rows from byte `from` of m_bytes on; `from` starts a row.
    void appendRows(qsizetype from);

    const qsizetype m_limit;
    QPlainTextEdit *m_view;
    QByteArray m_bytes;  // the bytes kept, starting a row
    qint64 m_offset = 0; // the offset of m_bytes' first byte in all that arrived
};

} // namespace ui
