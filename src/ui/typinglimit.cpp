#include "ui/typinglimit.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace ui {

namespace {

// An edit may leave the box longer than the limit only when it does not make it longer: a
// program-set text beyond the limit can still be shortened or overtyped in place.
bool allowed(qsizetype before, qsizetype after, int limit)
{
    return after <= limit || after <= before;
}

// Characters as a person counts them: one beyond the basic plane, such as an emoji, is two
// UTF-16 units but one character, and is never cut in half.
qsizetype characters(QStringView text)
{
    return text.size()
           - std::count_if(text.begin(), text.end(), [](QChar c) { return c.isLowSurrogate(); });
}

// The first `count` characters of `text`.
QString leftCharacters(const QString &text, qsizetype count)
{
    qsizetype units = 0;
    for (qsizetype taken = 0; units < text.size() && taken < count; ++taken)
        units += text[units].isHighSurrogate() && units + 1 < text.size()
                                 && text[units + 1].isLowSurrogate()
                         ? 2
                         : 1;
    return text.left(units);
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
            const qsizetype before = characters(m_edit->text());
            const qsizetype after = before - characters(m_edit->selectedText()) + characters(typed);
            if (!allowed(before, after, m_limit))
                return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void TypingLimit::cutEdit(const QString &edited)
{
    if (allowed(characters(m_last), characters(edited), m_limit))
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
    // A pair that only half matches belongs to the new run.
    if (head > 0 && edited[head - 1].isHighSurrogate())
        --head;
    if (tail > 0 && edited[edited.size() - tail].isLowSurrogate())
        --tail;
    const qsizetype kept = characters(QStringView(edited).left(head))
                           + characters(QStringView(edited).right(tail));
    const qsizetype room = std::max<qsizetype>(0, m_limit - kept);
    const QString inserted = leftCharacters(edited.mid(head, edited.size() - head - tail), room);
    m_edit->setText(edited.left(head) + inserted + edited.right(tail));
    m_edit->setCursorPosition(int(head + inserted.size()));
}

} // namespace ui
