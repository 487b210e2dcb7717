#include "memory/eeprom/eepromwritepage.h"

#include "memory/eeprom/eepromfiles.h"
#include "memory/memorytexts.h"
#include "memory/memorywidgets.h"
#include "protocol/memoryframes.h"
#include "protocol/numbers.h"
#include "ui/commandlink.h"
#include "ui/focusloss.h"
#include "ui/messages.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace memory {

EepromWritePage::EepromWritePage(const QObject &pages, ui::CommandLink &link,
                                 ui::Messages &messages, QObject *parent)
    : QObject(parent)
    , m_link(link)
    , m_messages(messages)
    , m_external(control<QRadioButton>(pages, "optWeep1"))
    , m_internal(control<QRadioButton>(pages, "optweep2"))
    , m_start(control<QLineEdit>(pages, "txtewaddr"))
    , m_end(control<QLabel>(pages, "lbleend"))
    , m_bytes(memoBox(pages, "txtewrite"))
    , m_reformat(control<QPushButton>(pages, "cmdechk"))
    , m_write(control<QPushButton>(pages, "cmdewrite"))
{
    ui::onFocusLoss(m_start, [this] {
        m_start->setText(
                QString::fromStdString(protocol::fourDigitRewrite(m_start->text().toStdString())));
    });
    lowerCaseTyping(m_bytes);
    connect(m_bytes, &QPlainTextEdit::textChanged, this, [this] { setReady(false); });
    // The rewriting to four digits when the box is left changes the text, not the address.
    connect(m_start, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (protocol::wholeNumber(text.toStdString()) != m_reformattedStart)
            setReady(false);
    });

    connect(m_reformat, &QPushButton::clicked, this, &EepromWritePage::reformat);
    connect(m_write, &QPushButton::clicked, this, &EepromWritePage::write);
    connect(control<QPushButton>(pages, "cmdepaste"), &QPushButton::clicked, this,
            [this] { pasteInto(m_bytes, m_messages); });
    connect(control<QPushButton>(pages, "cmdeclr"), &QPushButton::clicked, this, [this] {
        setMemoText(m_bytes, {});
        setReady(false);
    });
    new EepromOpener(
            {m_external, m_internal, m_start, m_bytes, control<QPushButton>(pages, "cmdeopen")},
            messages, this);
}

void EepromWritePage::setReady(bool ready)
{
    m_reformat->setEnabled(!ready);
    m_write->setEnabled(ready);
}

void EepromWritePage::reformat()
{
    const protocol::EepromReformat reformatted
            = protocol::reformatForEeprom(memoText(m_bytes).toStdString(), ui::BoxEntry(m_start));
    if (!reformatted.ok()) {
        m_messages.show(QString::fromStdString(reformatted.refusal));
        return;
    }
    const auto start = protocol::wholeNumber(m_start->text().toStdString());
    // The EEPROM may be chosen only later: "&Write" looks again.
    if (m_external->isChecked() || m_internal->isChecked()) {
        const QString overflow = doesNotFit(m_external->isChecked() ? protocol::Eeprom::External
                                                                    : protocol::Eeprom::Internal,
                                            reformatted.end);
        if (!overflow.isEmpty()) {
            m_messages.show(overflow);
            return;
        }
    }
    m_reformattedStart = start;
    m_endAddress = reformatted.end;
    m_end->setText(QString::fromStdString(
            protocol::fourDigitForm(static_cast<std::int64_t>(reformatted.end))));
    m_link.setTransmitDelay(text::eepromWritePacing);
    setMemoText(m_bytes, QString::fromStdString(reformatted.byteList));
    setReady(true);
}

QString EepromWritePage::doesNotFit(protocol::Eeprom memory, std::uint64_t end) const
{
    // More bytes than the EEPROM holds would be written round it again, for hours.
    const std::uint64_t first = protocol::wholeNumber(m_start->text().toStdString()).value_or(0);
    return eepromOverflow(tr("The text"), memory, first, end - first + 1);
}

void EepromWritePage::write()
{
    const auto memory = chosenEeprom(m_external, m_internal, m_messages);
    if (!memory)
        return;
    const QString byteList = memoText(m_bytes);
    if (byteList.isEmpty()) {
        m_messages.show(QString::fromUtf8(protocol::nothingToWrite));
        return;
    }
    bool sent = false;
    ui::transmit(m_link, m_messages, [&] {
        if (const QString overflow = doesNotFit(*memory, m_endAddress); !overflow.isEmpty())
            return protocol::Encoded::refused(overflow.toStdString());
        protocol::Encoded encoded = protocol::eepromWriteFrame(
                *memory, ui::BoxEntry(m_start), m_endAddress, byteList.toStdString());
        sent = encoded.ok();
        return encoded;
    });
    if (sent)
        m_link.setTransmitDelay(text::normalPacing);
}

} // namespace memory
