#pragma once

#include <QObject>
#include <QString>

class QLineEdit;

namespace ui {

// The most characters a person may type into a line edit. Only the user's own edits count:
// typing, Ctrl+V, the context menu's Paste, drops and input methods are cut to the room left,
// so a paste fills the box up to the limit. Text the program sets with setText() is never cut,
// which is why this is not QLineEdit::maxLength (that one cuts setText() as well).
class TypingLimit : public QObject
{
    Q_OBJECT
public:
    // Owned by `edit`.
    static TypingLimit *apply(QLineEdit *edit, int limit);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TypingLimit(QLineEdit *edit, int limit);

    int room() const;
    void cutEdit(const QString &edited);

    QLineEdit *m_edit;
    int m_limit;
    QString m_last; // the text before the edit in progress
};

} // namespace ui
