#include "memory/memorywidgets.h"

#include "memory/eeprom/filetexts.h"
#include "memory/memorytexts.h"
#include "protocol/replies.h"
#include "ui/commandlink.h"
#include "ui/focusloss.h"
#include "ui/longlines.h"
#include "ui/messages.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace memory {

namespace {

const QString crLf = QStringLiteral("\r\n");

class LowerCaseKeys final : public QObject
{
public:
    explicit LowerCaseKeys(QObject *memo)
        : QObject(memo)
    {
        memo->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        QString text = key->text();
        bool changed = false;
        for (QChar &c : text) {
            if (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) {
                c = QChar(c.unicode() + ('a' - 'A'));
                changed = true;
            }
        }
        if (!changed)
            return false;
        QKeyEvent lowered(QEvent::KeyPress, key->key(), key->modifiers(), text, key->isAutoRepeat(),
                          key->count());
        QCoreApplication::sendEvent(watched, &lowered);
        return true;
    }
};

} // namespace

QString memoText(const QPlainTextEdit *memo)
{
    return ui::joinedText(memo, crLf);
}

void setMemoText(QPlainTextEdit *memo, const QString &text)
{
    // Setting the same text again is no change: it must not enable a page's "&Write".
    QString withCrLf = text;
    withCrLf.replace(crLf, QStringLiteral("\n")).replace(QStringLiteral("\n"), crLf);
    if (!ui::holdsText(memo, withCrLf))
        ui::setTextInPieces(memo, text);
}

QPlainTextEdit *memoBox(const QObject &pages, const char *name)
{
    auto *memo = control<QPlainTextEdit>(pages, name);
    memo->setTabChangesFocus(true);
    return memo;
}

void requestRead(ui::CommandLink &link, ui::Messages &messages, QPlainTextEdit *result,
                 const std::function<protocol::Encoded()> &build)
{
    ui::transmit(link, messages, [&] {
        protocol::Encoded encoded = build();
        if (encoded.ok()) {
            setMemoText(result, QStringLiteral("CLICK HERE"));
            link.clearReceived();
        }
        return encoded;
    });
}

void collectReplies(QWidget *readButton, ui::CommandLink &link, QPlainTextEdit *result)
{
    ui::onFocusLoss(readButton, [&link, result] {
        QString reply = link.receivedText();
        // Only the end decides, so only the end is looked at: a reply can be megabytes.
        const QByteArray tail = reply.right(8).toLatin1();
        const std::string_view kept
                = protocol::withoutTrailer(std::string_view(tail.constData(), tail.size()));
        reply.chop(tail.size() - static_cast<qsizetype>(kept.size()));
        setMemoText(result, reply);
    });
}

std::optional<protocol::Eeprom> chosenEeprom(const QRadioButton *external,
                                             const QRadioButton *internal, ui::Messages &messages)
{
    if (external->isChecked())
        return protocol::Eeprom::External;
    if (internal->isChecked())
        return protocol::Eeprom::Internal;
    messages.show(text::selectEeprom);
    return std::nullopt;
}

QString eepromOverflow(const QString &what, protocol::Eeprom memory, std::uint64_t start,
                       std::uint64_t count)
{
    const std::uint64_t size = protocol::eepromSize(memory);
    if (start + count <= size)
        return {};
    const QString name = memory == protocol::Eeprom::External ? QStringLiteral("External")
                                                              : QStringLiteral("Internal");
    return tooltext::fileTooLarge.arg(what, name, QString::number(count), QString::number(start),
                                      QString::number(size - 1));
}

bool pasteInto(QPlainTextEdit *memo, ui::Messages &messages)
{
    setMemoText(memo, QGuiApplication::clipboard()->text());
    if (memo->document()->isEmpty()) {
        messages.show(QStringLiteral("Nothing to paste!"));
        return false;
    }
    return true;
}

void lowerCaseTyping(QPlainTextEdit *memo)
{
    new LowerCaseKeys(memo);
}

} // namespace memory
