#include "ui/helpwindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

namespace ui {

namespace {

// The card is filled in two steps, as the firmware's own reference grew: the drawing
// commands, then the straight lines and the memory commands.
const char *const drawingCommands[] = {
        "COMMANDS and parameters:",
        "]K CLEARs the display",
        "]C]xyr CIRCLE at x,y with a radius r",
        "]S]xyl SQUARE at x,y with l (2 x length of a side)",
        "]Q]xyl square rotated 45 degrees like a DIAMOND",
        "]T]xyp STAR with 4 points using dashed lines, p is the size",
        "]R]x1y1x2y2]s]fc RECTANGLE given the top lt and bottom rt points ",
        "   s=step value,f= fill command, c = clear command",
        "]B]xylw]b a BAR at xy with (l)ength (w)idth and a (b)yte for fill",
        "]D]xy SET a dot (pixel) at x,y",
        "]E]xy RESET/sets a dot at x,y This is an xor function",
        "]P]xy places an ASCII character at x,y location",
        "]U]xy places a vertical BYTE at x,y",
        "]F]byte FILL the display with byte (useful for displaying grids)",
        "]X]x1x2y]t Draws an X-AXIS with tick marks (t is the tick spacing)",
        "]Y]y1y2x]t Draws a Y-AXIS with tick marks",
        "]H]xy]char]char...]@ Horizontal STRING of characters, @ stops it.",
        "]V]xy]char]char...]@ Vertical STRING of characters",
        "]L]x1y1x2y2 LINE from x1y1 to x2y2 This is experimental, I\u2019m still working on "
        "different algorithms. Needs fixing.",
};

const char *const lineAndMemoryCommands[] = {
        "]I]x1x2y1y2]s Draw a straight horiz line with a step",
        "]J]x1x2y1y2]s Draw a straight vert line with a step",
        "]M]x1y1x2y2]hh]hh...Place  a given number of bytes on LCD",
        "]N]x1x2y1y2 Read bytes from LCD",
        "]O]addr]byte]byte... Write bytes to the external I2C eeprom",
        "]A]addr]number Read number of bytes from external I2C eeprom",
        "]G]addr]byte]byte... Write bytes to the internal eeprom",
        "]W]addr]number Read number of bytes from the internal eeprom",
};

const QString crlf = QStringLiteral("\r\n");

template<std::size_t n>
QString joined(const char *const (&lines)[n])
{
    QStringList list;
    for (const char *line : lines)
        list.append(QString::fromUtf8(line));
    return list.join(crlf);
}

QLabel *label(const char *name, const char *text, QWidget *parent)
{
    auto *result = new QLabel(QString::fromUtf8(text), parent);
    result->setObjectName(QString::fromLatin1(name));
    result->setTextFormat(Qt::PlainText);
    result->setWordWrap(true);
    return result;
}

} // namespace

HelpWindow::HelpWindow(QWidget *owner)
    : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("Help"));
    setWindowTitle(QStringLiteral("Sketra Commands"));

    QLabel *heading = label("Label1", "Brevik  Application Command Line functions", this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    QLabel *start = label("Label2",
                          "Once the Korvel board starts with the SKETRA.BAS application loaded "
                          "it displays a logo screen and then waits for serial commands as "
                          "follows:",
                          this);
    QLabel *key
            = label("Label3", "The 'command' key is the ] character followed by parameters ", this);

    auto *text = new QPlainTextEdit(this);
    text->setObjectName(QStringLiteral("Text1"));
    text->setAccessibleName(QStringLiteral("Commands and parameters"));
    text->setReadOnly(true);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette colours = text->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::Base, QColor(0x00, 0x80, 0x80));
        colours.setColor(group, QPalette::Text, Qt::white);
    }
    text->setPalette(colours);
    m_reference = joined(drawingCommands);
    m_reference += crlf + joined(lineAndMemoryCommands);
    text->setPlainText(QString(m_reference).replace(crlf, QStringLiteral("\n")));
    const QFontMetrics metrics = text->fontMetrics();
    text->setMinimumSize(metrics.averageCharWidth() * 40, metrics.lineSpacing() * 8);

    auto *close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("Command1"));
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this, &QWidget::hide);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(start);
    layout->addWidget(key);
    layout->addWidget(text, 1);
    layout->addLayout(buttons);

    // Opens wide enough for the longest lines and tall enough for most of the card, as far as
    // the screen allows; a smaller window still works, with the scroll bar.
    const QSize roomy(metrics.averageCharWidth() * 86, metrics.lineSpacing() * 22);
    QSize size = layout->sizeHint() + roomy - text->sizeHint().expandedTo(text->minimumSize());
    if (const QScreen *shown = owner ? owner->screen() : screen())
        size = size.boundedTo(shown->availableGeometry().size());
    resize(size.expandedTo(layout->minimumSize()));
}

} // namespace ui
