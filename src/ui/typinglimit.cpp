#include "ui/typinglimit.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace ui {

namespace {

// An edit may leave the box longer than the limit only when it does not make it longer: a
// program-set text beyond the limit can still be shortened or overtyped in place.
bool allowed(qsizetype before, qsizetype after, int limit)
{
    return after <= limit || after <= before;
}

} // namespace

TypingLimit *TypingLimit::apply(QLineEdit *edit, int limit)
{
    return new TypingLimit(edit, limit);
}

TypingLimit::TypingLimit(QLineEdit *edit, int limit)
    : QObject(edit)
    , m_edit(edit)
    , m_limit(limit)
    , m_last(edit->text())
{
    // Typed characters are refused before they reach the box, so nobody sees a text that is
    // too long; every other user edit is cut afterwards, as it arrives.
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textEdited, this, &TypingLimit::cutEdit);
    connect(edit, &QLineEdit::textChanged, this, [this](const QString &text) { m_last = text; });
}

bool TypingLimit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edit && event->type() == QEvent::KeyPress && !m_edit->isReadOnly()) {
        const QString typed = static_cast<QKeyEvent *>(event)->text();
        if (!typed.isEmpty() && typed.front().isPrint()) {
            const qsizetype before = m_edit->text().size();
            const qsizetype after = before - m_edit->selectedText().size() + typed.size();
            if (!allowed(before, after, m_limit))
                return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void TypingLimit::cutEdit(const QString &edited)
{
    if (allowed(m_last.size(), edited.size(), m_limit))
        return;
    // The edit replaced a middle run of the old text; keep the old text around it and as
    // much of the new run as there is room for.
    const qsizetype shorter = std::min(m_last.size(), edited.size());
    qsizetype head = 0;
    while (head < shorter && m_last[head] == edited[head])
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head
           && m_last[m_last.size() - 1 - tail] == edited[edited.size() - 1 - tail])
        ++tail;
    const qsizetype room = std::max<qsizetype>(0, m_limit - head - tail);
    const QString inserted = edited.mid(head, edited.size() - head - tail).left(room);
    m_edit->setText(edited.left(head) + inserted + edited.right(tail));
    m_edit->setCursorPosition(int(head + inserted.size()));
}

} // namespace ui
