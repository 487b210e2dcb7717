#include "app/transmitrun.h"

#include "app/maintexts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace app {

namespace {

constexpr std::chrono::milliseconds redrawEvery{200};

bool isInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}

} // namespace

QString timeLeftText(std::chrono::milliseconds left)
{
    const long long seconds = std::max<long long>(1, (left.count() + 500) / 1000);
    if (seconds < 60)
        return QStringLiteral("about %1 s").arg(seconds);
    if (seconds < 3600)
        return QStringLiteral("about %1 min %2 s").arg(seconds / 60).arg(seconds % 60);
    return QStringLiteral("about %1 h %2 min").arg(seconds / 3600).arg(seconds % 3600 / 60);
}

TransmitProgress::TransmitProgress(QWidget *window, std::size_t total)
    : QDialog(window)
    , m_total(total)
{
    setObjectName(QStringLiteral("frmProgress"));
    setWindowTitle(QStringLiteral("Sketra"));
    setWindowModality(Qt::WindowModal);
    auto *layout = new QVBoxLayout(this);
    auto *heading = new QLabel(text::sending, this);
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("lblProgress"));
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("prgSent"));
    m_bar->setAccessibleName(text::sending);
    // The bar counts in thousandths: a 32-bit maximum cannot hold every total.
    m_bar->setRange(0, 1000);
    auto *stop = new QPushButton(text::stop, this);
    stop->setObjectName(QStringLiteral("cmdStop"));
    stop->setDefault(true);
    connect(stop, &QPushButton::clicked, this, [this] { m_stopRequested = true; });
    layout->addWidget(heading);
    layout->addWidget(m_bar);
    layout->addWidget(m_text);
    layout->addWidget(stop, 0, Qt::AlignRight);
    qApp->installEventFilter(this);
}

TransmitProgress::~TransmitProgress()
{
    qApp->removeEventFilter(this);
}

void TransmitProgress::show(std::size_t sent, std::chrono::milliseconds left)
{
    m_bar->setValue(m_total ? static_cast<int>(sent * 1000 / m_total) : 0);
    m_text->setText(text::progress.arg(sent).arg(m_total).arg(timeLeftText(left)));
    if (!isVisible())
        QDialog::show();
}

bool TransmitProgress::eventFilter(QObject *watched, QEvent *event)
{
    if (isInput(event->type()) && watched->isWidgetType()) {
        // A message box the transmission ends with takes its answer.
        const QWidget *window = static_cast<QWidget *>(watched)->window();
        const QWidget *modal = QApplication::activeModalWidget();
        if (window != this && (!modal || window != modal)) {
            event->ignore();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TransmitProgress::reject()
{
    m_stopRequested = true;
}

TransmitRun::TransmitRun(QWidget *window, serial::Clock &clock, std::size_t total,
                         std::chrono::milliseconds duration, double charactersPerSecond)
    : m_total(total)
    , m_leftMs(static_cast<double>(duration.count()))
    , m_msPerCharacter(1000.0 / charactersPerSecond)
    , m_clock(clock)
    , m_window(window)
    , m_started(clock.now())
{
    m_advanced = m_started;
    if (duration > longTransmission)
        showProgress();
}

void TransmitRun::showProgress()
{
    m_progress = new TransmitProgress(m_window, m_total);
    m_progress->show(m_sent, left());
    m_shown = m_clock.now();
    QCoreApplication::processEvents();
}

TransmitRun::~TransmitRun()
{
    closeProgress();
}

void TransmitRun::closeProgress()
{
    m_closed = true;
    if (!m_progress)
        return;
    QWidget *window = m_progress->parentWidget();
    const bool hadKeyboard = m_progress->isActiveWindow();
    delete m_progress;
    m_progress = nullptr;
    // The window the person was working in takes the keyboard back, so the next Tab or click
    // moves the focus there again.
    if (hadKeyboard && window)
        window->activateWindow();
}

void TransmitRun::advanced(std::size_t characters, std::int32_t pausedMs)
{
    m_sent += characters;
    m_leftMs = std::max(0.0, m_leftMs - pausedMs - m_msPerCharacter * characters);
    m_advanced = m_clock.now();
}

std::chrono::milliseconds TransmitRun::left() const
{
    // Inside a long pause the time left still runs down.
    const double since
            = std::chrono::duration<double, std::milli>(m_clock.now() - m_advanced).count();
    return std::chrono::milliseconds(std::llround(std::max(0.0, m_leftMs - since)));
}

bool TransmitRun::breathe()
{
    // A slow line can make a short transmission long: it gets its Stop too.
    if (!m_progress && !m_closed && m_clock.now() - m_started > longTransmission)
        showProgress();
    if (!m_progress)
        return true;
    // The figures change for a person's eye, a few times a second; events are handled at
    // every breath.
    if (m_clock.now() - m_shown >= redrawEvery) {
        m_progress->show(m_sent, left());
        m_shown = m_clock.now();
    }
    QCoreApplication::processEvents();
    return !m_progress->stopRequested();
}

} // namespace app
