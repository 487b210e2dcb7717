#include "app/mainwindow.h"

#include "app/frameentries.h"
#include "app/framerecorder.h"
#include "app/maintexts.h"
#include "app/transmitrun.h"
#include "memory/memorypages.h"
#include "pages/drawingpages.h"
#include "protocol/lineends.h"
#include "protocol/transmission.h"
#include "protocol/utf8.h"
#include "serial/port.h"
#include "ui/boardart.h"
#include "ui/clipboardcopy.h"
#include "ui/messages.h"
#include "ui/pagetabs.h"
#include "ui/portstatuslabel.h"
#include "ui/receivewindow.h"
#include "ui/secondarywindows.h"
#include "ui/terminalline.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>
#include <utility>

namespace app {

namespace {

constexpr int pollIntervalMs = 50;
const QColor openReceiveColour(0xFF, 0xFF, 0xC0);
const QColor openTransmitColour(0xC0, 0xFF, 0xC0);

QPushButton *button(const char *name, const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

QLabel *label(const char *name, const QString &caption, QWidget *parent)
{
    auto *l = new QLabel(caption, parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

QLineEdit *lineEdit(const char *name, const QString &accessibleName, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setAccessibleName(accessibleName);
    return edit;
}

void setBase(QWidget *widget, const QColor &colour)
{
    QPalette look = widget->palette();
    look.setColor(QPalette::Base, colour);
    widget->setPalette(look);
}

} // namespace

Main::Main(serial::Port &port, ui::Messages &messages, QWidget *parent)
    : Main(port, messages, nullptr, parent)
{}

Main::Main(serial::Port &port, ui::Messages &messages, serial::Clock &clock, QWidget *parent)
    : Main(port, messages, &clock, parent)
{}

Main::Main(serial::Port &port, ui::Messages &messages, serial::Clock *clock, QWidget *parent)
    : QWidget(parent)
    , m_port(port)
    , m_messages(messages)
    , m_ownClock(clock ? nullptr : std::make_unique<serial::SteadyClock>())
    , m_clock(clock ? *clock : *m_ownClock)
    , m_transmitter(port, m_clock)
{
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(text::caption);
    setWindowIcon(ui::programIcon());
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint);

    m_poll = new QTimer(this);
    m_poll->setObjectName(QStringLiteral("Timer1"));
    m_poll->setInterval(pollIntervalMs);
    connect(m_poll, &QTimer::timeout, this, &Main::pollReceived);

    m_pages = new ui::PageTabs(*this, m_messages, this);
    new pages::DrawingPages(*m_pages, *this, m_messages);
    new memory::MemoryPages(*m_pages, *this, m_messages);
    m_windows = new ui::SecondaryWindows(this);

    auto *side = new QVBoxLayout;
    side->addWidget(buildCommSettings());
    side->addWidget(buildIoPort());
    side->addWidget(buildInfoFrame());
    auto *clearLcd = button("Command1", text::clearLcd, this);
    connect(clearLcd, &QPushButton::clicked, this, [this] { ui::clearDisplay(*this); });
    side->addWidget(clearLcd);
    auto *exit = button("cmdExit", text::exit, this);
    connect(exit, &QPushButton::clicked, this, &Main::exitProgram);
    side->addWidget(exit);
    side->addStretch();

    auto *layout = new QGridLayout(this);
    layout->addWidget(m_pages, 0, 0);
    layout->addLayout(side, 0, 1);
    layout->addWidget(buildTerminal(), 1, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    runStartup();
    // Four whole rows of settings, however large the font.
    m_settingsList->setFixedHeight(m_settingsList->sizeHintForRow(0) * 4
                                   + 2 * m_settingsList->frameWidth());
}

Main::~Main() = default;

QWidget *Main::buildCommSettings()
{
    auto *group = new QGroupBox(text::commSettings, this);
    group->setObjectName(QStringLiteral("Frame1"));
    auto *grid = new QGridLayout(group);

    grid->addWidget(label("Label3", text::port, group), 0, 0);
    auto *numbers = new QHBoxLayout;
    m_portNumbers = new QButtonGroup(group);
    for (int number = 1; number <= 4; ++number) {
        auto *option = new QRadioButton(QString::number(number), group);
        option->setObjectName(QStringLiteral("optCom%1").arg(number));
        const QString device = m_port.deviceName(number);
        option->setToolTip(device);
        option->setAccessibleDescription(device);
        m_portNumbers->addButton(option, number);
        numbers->addWidget(option);
    }
    m_portNumbers->button(1)->setChecked(true);
    grid->addLayout(numbers, 0, 1);

    grid->addWidget(label("Label4", text::baudRate, group), 1, 0, 1, 2);
    m_settingsList = new QListWidget(group);
    m_settingsList->setObjectName(QStringLiteral("List1"));
    m_settingsList->setAccessibleName(text::baudRate);
    grid->addWidget(m_settingsList, 2, 0, 1, 2);

    m_xmitDelay = lineEdit("xmitdelay", text::xmitDelay, group);
    m_waitChar = lineEdit("waitchr", text::waitChar, group);
    auto *delayLabel = label("lblXmitDelay", text::xmitDelay, group);
    auto *waitLabel = label("lblWaitChar", text::waitChar, group);
    delayLabel->setBuddy(m_xmitDelay);
    waitLabel->setBuddy(m_waitChar);
    grid->addWidget(delayLabel, 3, 0);
    grid->addWidget(m_xmitDelay, 3, 1);
    grid->addWidget(waitLabel, 4, 0);
    grid->addWidget(m_waitChar, 4, 1);

    auto *set = button("cmdComSet", text::set, group);
    connect(set, &QPushButton::clicked, this, [this] {
        if (!m_port.isOpen())
            applySelection();
    });
    grid->addWidget(set, 5, 0, 1, 2);
    return group;
}

QWidget *Main::buildIoPort()
{
    auto *group = new QGroupBox(text::ioPort, this);
    group->setObjectName(QStringLiteral("Frame5"));
    auto *grid = new QGridLayout(group);
    m_toggle = button("cmdCom", text::openDesign, group);
    connect(m_toggle, &QPushButton::clicked, this, &Main::toggleOpen);
    m_status = new ui::PortStatusLabel(group);
    m_status->setMinimumWidth(m_status->fontMetrics().horizontalAdvance(QStringLiteral("Busy"))
                              * 2);
    grid->addWidget(m_toggle, 0, 0);
    grid->addWidget(m_status, 0, 1);
    grid->addWidget(label("Label6", text::forBrevik, group), 1, 0, 1, 2);
    return group;
}

QWidget *Main::buildInfoFrame()
{
    auto *frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame2"));
    auto *grid = new QGridLayout(frame);
    auto *help = button("Command6", text::help, frame);
    auto *about = button("Command5", text::about, frame);
    connect(help, &QPushButton::clicked, m_windows, &ui::SecondaryWindows::showHelp);
    connect(about, &QPushButton::clicked, m_windows, &ui::SecondaryWindows::showAbout);
    grid->addWidget(help, 0, 0);
    grid->addWidget(about, 0, 1);
    auto *product = label("Label1", text::productLine, frame);
    product->setAlignment(Qt::AlignCenter);
    grid->addWidget(product, 1, 0, 1, 2);
    return frame;
}

QWidget *Main::buildTerminal()
{
    auto *group = new QGroupBox(text::terminal, this);
    group->setObjectName(QStringLiteral("Frame6"));
    auto *grid = new QGridLayout(group);

    m_terminalLine = new ui::TerminalLine(group);
    connect(m_terminalLine, &ui::TerminalLine::typed, this, &Main::sendTyped);
    m_clear = button("cmdClear", text::clear, group);
    connect(m_clear, &QPushButton::clicked, this, [this] {
        m_terminalLine->clear();
        m_receive->setText({});
    });
    m_transmitActive = label("lblXmit", text::transmitActive, group);
    m_receive = new ui::ReceiveWindow(group);
    m_receive->setFixedHeight(m_receive->fontMetrics().lineSpacing() * 6 + 10);
    m_recorder = new FrameRecorder(this);
    new FrameEntries(
            *m_receive, *m_recorder, m_messages,
            [this](const std::vector<protocol::FileFrame> &frames) { play(frames); }, this);
    auto *copy = button("Command7", text::copy, group);
    connect(copy, &QPushButton::clicked, this,
            [this] { ui::copyToClipboard(m_receive->text(), m_messages); });

    grid->addWidget(m_terminalLine, 0, 0);
    grid->addWidget(m_clear, 0, 1);
    grid->addWidget(m_transmitActive, 1, 0, 1, 2);
    grid->addWidget(m_receive, 2, 0);
    grid->addWidget(copy, 2, 1, Qt::AlignTop);
    // Hidden companions keep their room, so the window does not jump when the port opens.
    for (QWidget *companion : std::initializer_list<QWidget *>{m_clear, m_transmitActive}) {
        QSizePolicy policy = companion->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        companion->setSizePolicy(policy);
    }
    showTerminalCompanions(false);
    return group;
}

void Main::runStartup()
{
    m_settingsList->addItems(text::settings);
    m_settingsList->setCurrentRow(text::startSettings);
    m_pages->selectStartupItems();
    m_xmitDelay->setText(QStringLiteral("20"));
    m_waitChar->setText(QStringLiteral("]"));
    m_port.setSettings(text::settings[text::startSettings]);
    m_port.setPortNumber(1);
    m_receive->setText(text::waiting);
}

void Main::applySelection()
{
    if (const auto *item = m_settingsList->currentItem())
        m_port.setSettings(item->text());
    if (m_portNumbers->checkedId() > 0)
        m_port.setPortNumber(m_portNumbers->checkedId());
}

void Main::toggleOpen()
{
    if (m_port.isOpen())
        closePort();
    else
        openPort();
}

void Main::openPort()
{
    m_receive->setText(text::waiting);
    m_held.clear();
    applySelection();
    const auto opened = m_port.open();
    if (!opened.ok) {
        const QString details = opened.fix.isEmpty()
                                        ? opened.reason
                                        : opened.reason + QLatin1Char('\n') + opened.fix;
        m_messages.show(text::errorOpening + QString::number(m_port.portNumber()), details);
        return;
    }
    m_poll->start();
    setTerminalColours(openReceiveColour, openTransmitColour);
    showTerminalCompanions(true);
    QApplication::beep();
    m_status->setState(ui::PortStatusLabel::State::On);
    m_toggle->setText(text::close);
}

void Main::closePort()
{
    m_port.close();
    m_poll->stop();
    if (m_receive->holds(text::waiting))
        m_receive->setText(text::serialInput);
    showTerminalCompanions(false);
    setTerminalColours(Qt::white, Qt::white);
    m_terminalLine->clear();
    QApplication::beep();
    m_status->setState(ui::PortStatusLabel::State::Off);
    m_toggle->setText(text::open);
}

void Main::exitProgram()
{
    if (m_port.isOpen()) {
        m_port.close();
        m_poll->stop();
    }
    m_windows->closeAll();
    emit exitRequested();
}

void Main::closeEvent(QCloseEvent *event)
{
    // While a transmission runs, only its Stop ends anything.
    if (m_run) {
        event->ignore();
        return;
    }
    // Closing through the window frame ends the program as "E&xit" does.
    exitProgram();
    event->accept();
}

void Main::send()
{
    transmitFrames({m_terminalLine->text()}, false);
}

void Main::sendAll(const QStringList &frames)
{
    transmitFrames(frames, true);
}

void Main::transmitFrames(const QStringList &frames, bool putInLine)
{
    // The whole run is planned first, so one progress window can follow all of it.
    const double rate = m_transmitter.charactersPerSecond();
    std::size_t total = 0;
    double ms = 0;
    for (const QString &frame : frames) {
        const auto plan
                = protocol::planTransmission(frame.toStdString(), m_waitChar->text().toStdString(),
                                             m_xmitDelay->text().toStdString());
        for (const auto &step : plan.steps) {
            const auto characters = protocol::utf8Characters(step.bytes).size();
            total += characters;
            ms += step.pauseMs + 1000.0 * static_cast<double>(characters) / rate;
        }
    }
    {
        TransmitRun run(this, m_clock, total, std::chrono::milliseconds(std::llround(ms)), rate,
                        [this] { return takeReceived(); });
        m_run = &run;
        for (const QString &frame : frames) {
            if (putInLine)
                m_terminalLine->setText(frame);
            if (!transmitLine(run))
                break;
        }
        if (run.stopped()) {
            m_status->setState(ui::PortStatusLabel::State::On);
            tell(text::stopped.arg(run.sent()).arg(run.total()));
            resumePoll();
        }
    }
    m_run = nullptr;
}

void Main::play(const std::vector<protocol::FileFrame> &frames)
{
    if (!guardOpen())
        return;
    const QString delay = m_xmitDelay->text();
    const QString wait = m_waitChar->text();
    QStringList run;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        run.append(QString::fromStdString(frames[i].frame));
        const bool last = i + 1 == frames.size();
        if (!last && frames[i + 1].delayMs == frames[i].delayMs
            && frames[i + 1].waitChar == frames[i].waitChar)
            continue;
        m_xmitDelay->setText(frames[i].delayMs ? QString::number(*frames[i].delayMs) : delay);
        m_waitChar->setText(frames[i].waitChar ? QString::fromStdString(*frames[i].waitChar)
                                               : wait);
        sendAll(std::exchange(run, {}));
    }
    m_xmitDelay->setText(delay);
    m_waitChar->setText(wait);
}

void Main::tell(const QString &message)
{
    // The message that ends a transmission stands alone: its progress window goes first.
    if (m_run)
        m_run->closeProgress();
    m_messages.show(message);
}

// One call of `send` on what the terminal line holds now; false when the run should end.
bool Main::transmitLine(TransmitRun &run)
{
    const auto plan = protocol::planTransmission(m_terminalLine->text().toStdString(),
                                                 m_waitChar->text().toStdString(),
                                                 m_xmitDelay->text().toStdString());
    if (plan.refusal == protocol::TransmitRefusal::NothingToSend) {
        tell(text::nothingToSend);
        resumePoll();
        return false;
    }
    m_poll->stop();
    if (plan.refusal == protocol::TransmitRefusal::DelayOutOfRange) {
        tell(text::transmitFailed + text::delayOutOfRange);
        resumePoll();
        return false;
    }
    if (noticeLoss() || !m_port.isOpen())
        return false;
    m_status->setState(ui::PortStatusLabel::State::Busy);
    const auto sent = m_transmitter.transmit(plan.steps, &run);
    if (const auto pacing = protocol::pacingInForce(m_waitChar->text().toStdString(),
                                                    m_xmitDelay->text().toStdString())) {
        std::string wire;
        for (const auto &step : plan.steps)
            wire += step.bytes;
        m_recorder->recordFrame(QString::fromStdString(wire), *pacing);
    }
    if (noticeLoss())
        return false;
    if (run.stopped())
        return false;
    m_status->setState(ui::PortStatusLabel::State::On);
    if (!sent.ok)
        tell(text::transmitFailed + sent.reason);
    resumePoll();
    return sent.ok;
}

bool Main::takeReceived()
{
    m_held += m_port.readAll();
    return m_port.fault().ok;
}

void Main::resumePoll()
{
    // The poll only ever reads an open port.
    if (m_port.isOpen())
        m_poll->start();
}

void Main::sendTyped(const QByteArray &bytes)
{
    if (noticeLoss() || !m_port.isOpen())
        return;
    const auto written = m_port.write(bytes);
    m_recorder->recordTyped(bytes);
    if (!noticeLoss() && !written.ok)
        m_messages.show(text::transmitFailed + written.reason);
}

bool Main::noticeLoss()
{
    // The port may have found its device gone between two poll ticks.
    if (m_port.fault().ok)
        return false;
    pollReceived();
    return true;
}

void Main::pollReceived()
{
    QByteArray received = m_port.readAll();
    if (!m_held.isEmpty())
        received.prepend(std::exchange(m_held, {}));
    if (!received.isEmpty()) {
        if (m_receive->holds(text::waiting))
            m_receive->setText({});
        m_receive->appendReceived(
                QByteArray::fromStdString(protocol::normaliseLineEnds(received.toStdString())));
    }
    if (const auto fault = m_port.fault(); !fault.ok)
        portLost(fault.reason);
}

void Main::portLost(const QString &reason)
{
    // Gone is gone: the window closes the port as the Close toggle would, and says why.
    closePort();
    tell(text::portLost + reason);
}

void Main::setTerminalColours(const QColor &receive, const QColor &transmit)
{
    setBase(m_receive, receive);
    setBase(m_terminalLine, transmit);
}

void Main::showTerminalCompanions(bool shown)
{
    m_transmitActive->setVisible(shown);
    m_clear->setVisible(shown);
}

bool Main::guardOpen()
{
    if (noticeLoss())
        return false;
    if (m_port.isOpen())
        return true;
    m_messages.show(text::commNotOpen);
    return false;
}

void Main::send(const QString &frame)
{
    m_terminalLine->setText(frame);
    send();
}

QString Main::transmitDelay() const
{
    return m_xmitDelay->text();
}

void Main::setTransmitDelay(const QString &text)
{
    m_xmitDelay->setText(text);
}

QString Main::receivedText() const
{
    return m_receive->text();
}

void Main::clearReceived()
{
    m_receive->setText({});
}

} // namespace app
