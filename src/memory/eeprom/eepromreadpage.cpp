#include "memory/eeprom/eepromreadpage.h"

#include "memory/eeprom/eepromfiles.h"
#include "memory/memorywidgets.h"
#include "protocol/memoryframes.h"
#include "ui/clipboardcopy.h"
#include "ui/commandlink.h"
#include "ui/focusloss.h"
#include "ui/messages.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <optional>

namespace memory {

EepromReadPage::EepromReadPage(const QObject &pages, ui::CommandLink &link, ui::Messages &messages,
                               QObject *parent)
    : QObject(parent)
    , m_link(link)
    , m_messages(messages)
    , m_external(control<QRadioButton>(pages, "optxeep1"))
    , m_internal(control<QRadioButton>(pages, "optxeep2"))
    , m_start(control<QLineEdit>(pages, "txteraddr"))
    , m_count(control<QLineEdit>(pages, "txtebytes"))
    , m_end(control<QLabel>(pages, "readeep"))
    , m_result(memoBox(pages, "txteread"))
    , m_saver(new EepromSaver(control<QPushButton>(pages, "cmdesave"), m_result, messages, this))
{
    for (QLineEdit *box : {m_start, m_count})
        ui::onFocusLoss(box, [this, box] { boxLeft(box); });

    auto *readButton = control<QPushButton>(pages, "cmderead");
    connect(readButton, &QPushButton::clicked, this, &EepromReadPage::read);
    collectReplies(readButton, m_link, m_result);

    connect(control<QPushButton>(pages, "cmdecopy"), &QPushButton::clicked, this,
            [this] { ui::copyToClipboard(memoText(m_result), m_messages); });
    connect(control<QPushButton>(pages, "cmdereadclr"), &QPushButton::clicked, this,
            [this] { setMemoText(m_result, {}); });
}

void EepromReadPage::boxLeft(QLineEdit *box)
{
    const std::string rewritten = protocol::fourDigitRewrite(box->text().toStdString());
    box->setText(QString::fromStdString(rewritten));
    m_end->setText(QString::fromStdString(protocol::endAddressCaption(
            m_start->text().toStdString(), m_count->text().toStdString())));
}

void EepromReadPage::read()
{
    const auto memory = chosenEeprom(m_external, m_internal, m_messages);
    if (!memory)
        return;
    std::optional<protocol::EepromRange> asked;
    requestRead(m_link, m_messages, m_result, [&]() -> protocol::Encoded {
        protocol::EepromRead read = protocol::eepromReadFrame(
                *memory, ui::BoxEntry(m_start), ui::BoxEntry(m_count), m_end->text().toStdString());
        if (read.ok())
            asked = read.range;
        return read;
    });
    if (asked)
        m_saver->readSent(*asked);
}

} // namespace memory
