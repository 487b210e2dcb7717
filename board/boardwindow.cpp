#include "board/boardwindow.h"

#include "board/lcdview.h"
#include "board/simulatedboard.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace board {

namespace {

constexpr int refreshMs = 30;
constexpr int keptLogLines = 500;

} // namespace

BoardWindow::BoardWindow(SimulatedBoard &board, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_board(board)
    , m_view(new LcdView(this))
    , m_status(new QLabel(this))
    , m_log(new QPlainTextEdit(this))
    , m_timer(new QTimer(this))
{
    setWindowTitle(tr("Korvel board (simulated)"));
    setObjectName(QStringLiteral("boardWindow"));

    m_status->setObjectName(QStringLiteral("boardStatus"));
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *save = new QPushButton(tr("&Save image..."), this);
    save->setObjectName(QStringLiteral("saveImage"));
    connect(save, &QPushButton::clicked, m_view, &LcdView::saveImageAs);

    m_log->setObjectName(QStringLiteral("commandLog"));
    m_log->setAccessibleName(tr("Commands carried out"));
    m_log->setReadOnly(true);
    m_log->setMaximumBlockCount(keptLogLines);
    m_log->setFont(QFont(QStringLiteral("monospace")));
    m_log->setMaximumHeight(m_log->fontMetrics().lineSpacing() * 6);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_status, 1);
    bottom->addWidget(save);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 1);
    layout->addLayout(bottom);
    layout->addWidget(m_log);

    connect(m_timer, &QTimer::timeout, this, &BoardWindow::refresh);
    m_timer->start(refreshMs);
    refresh();
}

void BoardWindow::refresh()
{
    const std::uint64_t revision = m_board.lcdRevision();
    if (revision != m_revision) {
        m_revision = revision;
        m_view->setMemory(m_board.lcdMemory());
    }
    for (const std::string &line : m_board.commandLog(&m_logCursor))
        m_log->appendPlainText(QString::fromStdString(line));

    const QString path = QString::fromStdString(m_board.devicePath());
    QString status = path.isEmpty() ? tr("Not connected") : tr("Port %1").arg(path);
    status += tr(" · %1 baud").arg(m_board.baudRate());
    if (m_board.timing())
        status += tr(" · timing on, %1 characters lost").arg(m_board.lostCharacters());
    if (m_status->text() != status)
        m_status->setText(status);
}

} // namespace board
