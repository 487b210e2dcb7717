#include "ui/hexwindow.h"

#include "ui/receivetexts.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

namespace ui {

QString hexRow(qint64 offset, QByteArrayView bytes)
{
    static constexpr char digits[] = "0123456789abcdef";
    QString row = QString::number(offset, 16).rightJustified(8, u'0') + QStringLiteral("  ");
    QString ascii;
    for (qsizetype i = 0; i < HexWindow::rowBytes; ++i) {
        if (i == 8)
            row += u' ';
        if (i < bytes.size()) {
            const auto byte = static_cast<unsigned char>(bytes[i]);
            row += QLatin1Char(digits[byte >> 4]);
            row += QLatin1Char(digits[byte & 0xf]);
            row += u' ';
            ascii += byte >= 0x20 && byte < 0x7f ? QChar(byte) : QChar(u'.');
        } else {
            row += QStringLiteral("   ");
        }
    }
    return row + u' ' + u'|' + ascii + u'|';
}

HexWindow::HexWindow(QWidget *parent, qsizetype limit)
    : QWidget(parent, Qt::Window)
    , m_limit(limit - limit % rowBytes)
    , m_view(new QPlainTextEdit)
{
    setObjectName(QStringLiteral("hexWindow"));
    setWindowTitle(receivetext::hexTitle);
    auto *note = new QLabel(receivetext::hexLimit);
    note->setWordWrap(true);
    m_view->setObjectName(QStringLiteral("hexView"));
    m_view->setAccessibleName(receivetext::hexTitle);
    m_view->setReadOnly(true);
    m_view->setUndoRedoEnabled(false);
    m_view->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_view->setMaximumBlockCount(int(m_limit / rowBytes));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addWidget(m_view, 1);
    resize(m_view->fontMetrics().horizontalAdvance(hexRow(0, {})) + 80, 400);
}

QString HexWindow::text() const
{
    return m_view->toPlainText();
}

void HexWindow::takeBytes(const QByteArray &raw)
{
    if (raw.isEmpty())
        return;
    const qsizetype partial = m_bytes.size() % rowBytes;
    const qsizetype rewriteFrom = m_bytes.size() - partial;
    m_bytes += raw;
    const qsizetype excess = m_bytes.size() - m_limit;
    const qsizetype dropped = excess > 0 ? (excess + rowBytes - 1) / rowBytes * rowBytes : 0;
    m_bytes.remove(0, dropped);
    m_offset += dropped;
    if (!isVisible())
        return;
    if (dropped > rewriteFrom) {
        m_view->clear();
        appendRows(0);
        return;
    }
    if (partial > 0) {
        // The last row grows: it is written again whole.
        QTextCursor cursor(m_view->document()->lastBlock());
        cursor.select(QTextCursor::BlockUnderCursor);
        cursor.removeSelectedText();
    }
    appendRows(rewriteFrom - dropped);
}

void HexWindow::showEvent(QShowEvent *event)
{
    m_view->clear();
    appendRows(0);
    QWidget::showEvent(event);
}

void HexWindow::appendRows(qsizetype from)
{
    QString rows;
    for (qsizetype at = from; at < m_bytes.size(); at += rowBytes) {
        if (!rows.isEmpty())
            rows += u'\n';
        rows += hexRow(m_offset + at, QByteArrayView(m_bytes).sliced(at).first(
                                              qMin(rowBytes, m_bytes.size() - at)));
    }
    if (rows.isEmpty())
        return;
    QScrollBar *bar = m_view->verticalScrollBar();
    const bool following = bar->value() == bar->maximum();
    m_view->appendPlainText(rows);
    if (following)
        bar->setValue(bar->maximum());
}

} // namespace ui
