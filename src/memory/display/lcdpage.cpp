#include "memory/display/lcdpage.h"

#include "memory/display/displaycapture.h"
#include "memory/display/pictureloader.h"
#include "memory/display/textwriter.h"
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

namespace {

// A corner as the page's boxes show it: three digits for X, two for Y, as the defaults are.
QString cornerText(std::uint32_t value, int width)
{
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}

} // namespace

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

    new DisplayCapture(control<QPushButton>(pages, "cmdlcdcapture"), link, messages, this);
    auto *loader = new PictureLoader(
            control<QPushButton>(pages, "cmdlcdpicture"), [this] { return corners(); }, messages,
            this);
    connect(loader, &PictureLoader::loaded, this, &LcdPage::showPicture);
    new TextWriter(control<QPushButton>(pages, "cmdlcdtext"), *loader, this);
}

protocol::CornerReading LcdPage::corners() const
{
    return protocol::readCorners(ui::BoxEntry(m_x1), ui::BoxEntry(m_x2), ui::BoxEntry(m_y1),
                                 ui::BoxEntry(m_y2));
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

void LcdPage::showPicture(const protocol::DisplayRect &rect, const QString &hex)
{
    m_x1->setText(cornerText(rect.x1, 3));
    m_x2->setText(cornerText(rect.x2, 3));
    m_y1->setText(cornerText(rect.page1, 2));
    m_y2->setText(cornerText(rect.page2, 2));
    setMemoText(m_bytes, hex);
    m_reformat->setEnabled(true);
}

} // namespace memory
