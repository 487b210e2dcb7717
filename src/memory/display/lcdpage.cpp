#include "memory/display/lcdpage.h"

#include "memory/memorytexts.h"
#include "memory/memorywidgets.h"
#include "protocol/memoryframes.h"
#include "ui/clipboardcopy.h"
#include "ui/messages.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace memory {

LcdPage::CornerEntries::operator protocol::Corners() const
{
    return {x1, x2, y1, y2};
}

LcdPage::LcdPage(const QObject &pages, ui::CommandLink &link, ui::Messages &messages,
                 QObject *parent)
    : QObject(parent)
    , m_link(link)
    , m_messages(messages)
    , m_x1(control<QLineEdit>(pages, "txtlcdx1"))
    , m_x2(control<QLineEdit>(pages, "txtlcdx2"))
    , m_y1(control<QLineEdit>(pages, "txtlcdy1"))
    , m_y2(control<QLineEdit>(pages, "txtlcdy2"))
    , m_rectangleCount(control<QLabel>(pages, "xybytes"))
    , m_textCount(control<QLabel>(pages, "txtbytes"))
    , m_bytes(memoBox(pages, "txtlcd"))
    , m_reformat(control<QPushButton>(pages, "cmdlcdfmt"))
    , m_write(control<QPushButton>(pages, "cmdwritelcd"))
{
    connect(m_bytes, &QPlainTextEdit::textChanged, m_write, [this] { m_write->setEnabled(true); });

    auto *readButton = control<QPushButton>(pages, "cmdlcdread");
    connect(readButton, &QPushButton::clicked, this, &LcdPage::read);
    collectReplies(readButton, m_link, m_bytes);

    connect(control<QPushButton>(pages, "cdmlcdcopy"), &QPushButton::clicked, this, [this] {
        ui::copyToClipboard(memoText(m_bytes), m_messages);
        m_reformat->setEnabled(true);
    });
    connect(m_reformat, &QPushButton::clicked, this, &LcdPage::reformat);
    connect(m_write, &QPushButton::clicked, this, &LcdPage::write);
    connect(control<QPushButton>(pages, "cmdlcdpaste"), &QPushButton::clicked, this, [this] {
        if (pasteInto(m_bytes, m_messages))
            m_reformat->setEnabled(true);
    });
    connect(control<QPushButton>(pages, "lcrlcdtxt"), &QPushButton::clicked, this, &LcdPage::clear);
}

LcdPage::CornerEntries LcdPage::corners() const
{
    return {ui::BoxEntry(m_x1), ui::BoxEntry(m_x2), ui::BoxEntry(m_y1), ui::BoxEntry(m_y2)};
}

void LcdPage::read()
{
    requestRead(m_link, m_messages, m_bytes, [this] { return protocol::lcdReadFrame(corners()); });
}

void LcdPage::reformat()
{
    const protocol::LcdReformat reformatted
            = protocol::reformatForLcd(memoText(m_bytes).toStdString(), corners());
    if (!reformatted.rectangleCount.empty()) {
        m_rectangleCount->setText(QString::fromStdString(reformatted.rectangleCount));
        m_textCount->setText(QString::fromStdString(reformatted.textCount));
    }
    if (!reformatted.ok()) {
        m_messages.show(QString::fromStdString(reformatted.refusal));
        return;
    }
    m_link.setTransmitDelay(text::lcdWritePacing);
    setMemoText(m_bytes, QString::fromStdString(reformatted.byteList));
    m_reformat->setEnabled(false);
    m_write->setEnabled(true);
}

void LcdPage::write()
{
    ui::transmit(m_link, m_messages, [this] {
        // A reminder only: the text goes out as it stands.
        if (m_reformat->isEnabled())
            m_messages.show(text::reformatReminder);
        return protocol::lcdWriteFrame(corners(), memoText(m_bytes).toStdString());
    });
}

void LcdPage::clear()
{
    setMemoText(m_bytes, {});
    m_reformat->setEnabled(true);
    m_write->setEnabled(false);
}

} // namespace memory
