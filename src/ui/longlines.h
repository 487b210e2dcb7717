#pragma once

#include <QPlainTextEdit>
#include <QString>
#include <QStringView>

class QTextCursor;

namespace ui {

// Qt lays out a whole paragraph again on every change to it, so one line of megabytes (a board
// may send that without a line break) would freeze a text box for minutes. These keep such a
// line in pieces of a bounded length, each piece after the first a block marked as carrying on
// the line before it, and read the text back whole. Typing into a box keeps the marks right:
// a block that is split or joined keeps whether its start carries on a line.

// Appends `text`, whose line ends are "\n", at the end of the box's document.
void appendInPieces(QPlainTextEdit *box, QStringView text);

// Replaces the box's text; its line ends are "\n" or CR LF.
void setTextInPieces(QPlainTextEdit *box, const QString &text);

// The box's text with every line end as `lineEnd` and the pieces of each line joined again.
// Every character is kept as it is (a no-break space stays one).
QString joinedText(const QPlainTextEdit *box, const QString &lineEnd);

// Whether the box holds exactly `text` (line ends CR LF); cheap when the sizes differ.
bool holdsText(const QPlainTextEdit *box, const QString &text);

// The cursor's selection as joinedText reads the box: the pieces' breaks are no part of it.
QString joinedSelection(const QTextCursor &cursor, const QString &lineEnd);

// A box that holds long lines in pieces. What a person copies or drags out of it holds each
// line whole, with CR LF line ends, as the box's Copy button gives it.
class LongLineBox : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit LongLineBox(QWidget *parent = nullptr);

protected:
    QMimeData *createMimeDataFromSelection() const override;
};

} // namespace ui
