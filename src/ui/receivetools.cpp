#include "ui/receivetools.h"

#include "ui/chosenfile.h"
#include "ui/hexwindow.h"
#include "ui/messages.h"
#include "ui/receivelog.h"
#include "ui/receivetexts.h"
#include "ui/receivewindow.h"

#include <QAction>
#include <QMenu>

namespace ui {

ReceiveTools::ReceiveTools(ReceiveWindow *window, Messages &messages)
    : QObject(window)
    , m_window(window)
    , m_messages(messages)
    , m_log(new ReceiveLog(messages, this))
    , m_hex(new HexWindow(window))
    , m_save(new QAction(receivetext::saveText, this))
    , m_logging(new QAction(receivetext::logToFile, this))
    , m_showHex(new QAction(receivetext::showHex, this))
    , m_askTextPath(saveFileAsker(receivetext::saveTitle, QStringLiteral("received.txt"),
                                  receivetext::textFilter))
    , m_askLogPath(saveFileAsker(receivetext::logTitle, QStringLiteral("received.log"),
                                 receivetext::logFilter))
{
    m_logging->setCheckable(true);
    connect(m_save, &QAction::triggered, this, &ReceiveTools::saveText);
    connect(m_logging, &QAction::triggered, this, &ReceiveTools::switchLog);
    connect(m_log, &ReceiveLog::switched, m_logging,
            [this](const QString &path) { m_logging->setChecked(!path.isEmpty()); });
    connect(m_showHex, &QAction::triggered, m_hex, [this] {
        m_hex->show();
        m_hex->raise();
        m_hex->activateWindow();
    });

    window->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(window, &QWidget::customContextMenuRequested, this, [this](const QPoint &position) {
        QMenu *shown = menu(position);
        shown->exec(m_window->viewport()->mapToGlobal(position));
        delete shown;
    });
}

QMenu *ReceiveTools::menu(const QPoint &position) const
{
    QMenu *menu = m_window->createStandardContextMenu(position);
    menu->addSeparator();
    menu->addActions({m_save, m_logging, m_showHex});
    if (!m_entries.isEmpty()) {
        menu->addSeparator();
        menu->addActions(m_entries);
    }
    return menu;
}

void ReceiveTools::takeBytes(const QByteArray &raw)
{
    m_log->takeBytes(raw);
    m_hex->takeBytes(raw);
}

void ReceiveTools::saveText()
{
    const QString path = m_askTextPath(m_window);
    if (path.isEmpty())
        return;
    // One character per byte received, so Latin-1 turns the text back into bytes. They are
    // the text as the window shows it, line ends changed and anything typed into it included;
    // the log holds the bytes as they came.
    if (const QString refusal = writeChosenFile(path, m_window->text().toLatin1());
        !refusal.isEmpty())
        m_messages.show(refusal);
}

void ReceiveTools::switchLog(bool on)
{
    if (!on) {
        m_log->stop();
        return;
    }
    const QString path = m_askLogPath(m_window);
    if (path.isEmpty() || !m_log->start(path))
        m_logging->setChecked(false);
}

} // namespace ui
