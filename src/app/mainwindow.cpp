#include "app/mainwindow.h"

#include "app/frameentries.h"
#include "app/framerecorder.h"
#include "app/maintexts.h"
#include "app/transmitrun.h"
#include "memory/memorypages.h"
#include "pages/drawingpages.h"
#include "protocol/defaults.h"
#include "protocol/lineends.h"
#include "serial/port.h"
#include "ui/boardart.h"
#include "ui/clipboardcopy.h"
#include "ui/messages.h"
#include "ui/pagetabs.h"
#include "ui/portstatuslabel.h"
#include "ui/receivelog.h"
#include "ui/receivetools.h"
#include "ui/receivewindow.h"
#include "ui/screenfit.h"
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
#include <QVBoxLayout>

namespace app {

namespace {

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

Main::Main(serial::BoardConnection &connection, ui::Messages &messages, QWidget *parent)
    : QWidget(parent)
    , m_connection(connection)
    , m_messages(messages)
{
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(text::caption);
    setWindowIcon(ui::programIcon());
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint);

    connect(&m_connection, &serial::BoardConnection::received, this, &Main::showReceived);
    connect(&m_connection, &serial::BoardConnection::received, &m_feed, &ui::BoardFeed::received);
    connect(&m_connection, &serial::BoardConnection::stateChanged, this, &Main::showState);
    // The tools that wait on the board give up first, so the loss is the one message shown.
    connect(&m_connection, &serial::BoardConnection::lost, &m_feed, &ui::BoardFeed::lost);
    connect(&m_connection, &serial::BoardConnection::lost, this, &Main::portLost);
    connect(&m_connection, &serial::BoardConnection::frameTaken, this,
            [this](const QString &frame) {
                // A page's frame goes through the terminal line, as `send` takes it from there.
                if (m_terminalLine->text() != frame)
                    m_terminalLine->setText(frame);
            });

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

    auto *form = new QWidget(this);
    auto *layout = new QGridLayout(form);
    layout->addWidget(m_pages, 0, 0);
    layout->addLayout(side, 0, 1);
    layout->addWidget(buildTerminal(), 1, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    runStartup();
    // Four whole rows of settings, however large the font.
    m_settingsList->setFixedHeight(m_settingsList->sizeHintForRow(0) * 4
                                   + 2 * m_settingsList->frameWidth());
    new ui::ScreenFit(this, form);
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
        const QString device = m_connection.port().deviceName(number);
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
        if (!m_connection.isOpen())
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
    // Under the port status, in the room the caption beside it leaves: no control moves.
    m_logIndicator = new ui::LogIndicator(group);
    grid->addWidget(m_logIndicator, 1, 1, Qt::AlignRight);
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
    m_receiveTools = new ui::ReceiveTools(m_receive, m_messages);
    connect(&m_connection, &serial::BoardConnection::received, m_receiveTools,
            &ui::ReceiveTools::takeBytes);
    connect(m_receiveTools->log(), &ui::ReceiveLog::switched, m_logIndicator,
            &ui::LogIndicator::showPath);
    new FrameEntries(this, *m_receiveTools, *new FrameRecorder(m_connection, this), m_messages,
                     [this](const std::vector<protocol::FileFrame> &frames) { play(frames); });
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
    m_settingsList->setCurrentRow(text::settings.indexOf(QLatin1String(protocol::defaultSettings)));
    m_pages->selectStartupItems();
    m_xmitDelay->setText(QString::number(protocol::defaultDelayMs));
    m_waitChar->setText(QLatin1String(protocol::defaultWaitChar));
    m_connection.port().setSettings(QLatin1String(protocol::defaultSettings));
    m_connection.port().setPortNumber(1);
    m_receive->setText(text::waiting);
}

void Main::applySelection()
{
    if (const auto *item = m_settingsList->currentItem())
        m_connection.port().setSettings(item->text());
    if (m_portNumbers->checkedId() > 0)
        m_connection.port().setPortNumber(m_portNumbers->checkedId());
}

void Main::toggleOpen()
{
    if (m_connection.isOpen())
        closePort();
    else
        openPort();
}

void Main::openPort()
{
    m_receive->setText(text::waiting);
    applySelection();
    const auto opened = m_connection.open();
    if (!opened.ok) {
        m_messages.show(text::errorOpening + QString::number(m_connection.port().portNumber()),
                        opened.explained());
        return;
    }
    setTerminalColours(openReceiveColour, openTransmitColour);
    showTerminalCompanions(true);
    QApplication::beep();
    m_toggle->setText(text::close);
}

void Main::closePort()
{
    m_connection.close();
    showClosed();
}

void Main::showClosed()
{
    if (m_receive->holds(text::waiting))
        m_receive->setText(text::serialInput);
    showTerminalCompanions(false);
    setTerminalColours(Qt::white, Qt::white);
    m_terminalLine->clear();
    QApplication::beep();
    m_toggle->setText(text::open);
}

void Main::exitProgram()
{
    if (m_connection.isOpen())
        m_connection.close();
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
    transmitFrames({m_terminalLine->text()});
}

void Main::sendAll(const QStringList &frames)
{
    transmitFrames(frames);
}

bool Main::transmitFrames(const QStringList &frames)
{
    return transmitFrames(frames, {m_waitChar->text(), m_xmitDelay->text()});
}

bool Main::transmitFrames(const QStringList &frames, const serial::Pacing &pacing)
{
    using End = serial::BoardConnection::Outcome::End;
    const auto run = m_connection.plan(frames, pacing);
    TransmitRun progress(this, m_connection.clock(), run.characters, run.duration,
                         m_connection.charactersPerSecond());
    m_run = &progress;
    const auto outcome = m_connection.transmit(run, &progress);
    switch (outcome.end) {
    case End::Sent:
    case End::NotOpen:
    case End::Lost:
        break;
    case End::NothingToSend:
        tell(text::nothingToSend);
        break;
    case End::DelayOutOfRange:
        tell(text::transmitFailed + text::delayOutOfRange);
        break;
    case End::Stopped:
        tell(text::stopped.arg(outcome.sent).arg(outcome.total));
        break;
    case End::Stalled:
        tell(text::stalled.arg(outcome.sent).arg(outcome.total));
        break;
    case End::Failed:
        tell(text::transmitFailed + outcome.reason);
        break;
    }
    m_run = nullptr;
    return outcome.end == End::Sent;
}

void Main::play(const std::vector<protocol::FileFrame> &frames)
{
    if (!guardOpen())
        return;
    // One transmission for each run of frames the file paces alike.
    QStringList run;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const protocol::FileFrame &frame = frames[i];
        run.append(QString::fromStdString(frame.frame));
        if (i + 1 < frames.size() && frames[i + 1].delayMs == frame.delayMs
            && frames[i + 1].waitChar == frame.waitChar)
            continue;
        const serial::Pacing pacing{
                frame.waitChar ? QString::fromStdString(*frame.waitChar) : m_waitChar->text(),
                frame.delayMs ? QString::number(*frame.delayMs) : m_xmitDelay->text()};
        if (!transmitFrames(std::exchange(run, {}), pacing))
            return;
    }
}

void Main::tell(const QString &message)
{
    // The message that ends a transmission stands alone: its progress window goes first.
    if (m_run)
        m_run->closeProgress();
    m_messages.show(message);
}

void Main::sendTyped(const QByteArray &bytes)
{
    const auto written = m_connection.writeTyped(bytes);
    if (!written.ok)
        m_messages.show(text::transmitFailed + written.reason);
}

void Main::showReceived(const QByteArray &bytes)
{
    if (m_receive->holds(text::waiting))
        m_receive->setText({});
    m_receive->appendReceived(
            QByteArray::fromStdString(protocol::normaliseLineEnds(bytes.toStdString())));
}

void Main::showState(serial::BoardConnection::State state)
{
    using State = serial::BoardConnection::State;
    m_status->setState(state == State::Busy   ? ui::PortStatusLabel::State::Busy
                       : state == State::Open ? ui::PortStatusLabel::State::On
                                              : ui::PortStatusLabel::State::Off);
}

void Main::portLost(const QString &reason)
{
    // Gone is gone: the window shows the port closed, as the Close toggle would, and says why.
    showClosed();
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
    if (m_connection.noticeLoss())
        return false;
    if (m_connection.isOpen())
        return true;
    m_messages.show(text::commNotOpen);
    return false;
}

bool Main::send(const QString &frame)
{
    m_terminalLine->setText(frame);
    return transmitFrames({m_terminalLine->text()});
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
