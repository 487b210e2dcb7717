#include "ui/boardart.h"

#include <QPainter>
#include <QPainterPath>

namespace ui {

namespace {

// The board is drawn on a 400 x 260 grid; the LCD's pixels are 2 x 2 of it.
constexpr QSizeF boardSize(400, 260);
constexpr QRectF screenArea(110, 36, 256, 128);

const QColor solderMask(0x1f, 0x6e, 0x3b);
const QColor copper(0x35, 0x8f, 0x55);
const QColor gold(0xd4, 0xaf, 0x37);
const QColor backlight(0xa8, 0xc8, 0x3c);
const QColor liquidCrystal(0x1c, 0x2a, 0x0e);

// The logo screen the demo firmware shows at start-up, 128 x 64 monochrome pixels.
QImage logoScreen()
{
    QImage screen(128, 64, QImage::Format_RGB32);
    screen.fill(backlight);
    QPainter painter(&screen);
    painter.setPen(liquidCrystal);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(0, 0, 127, 63);
    painter.drawRect(2, 2, 123, 59);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleStrategy(QFont::NoAntialias);
    font.setPixelSize(17);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(6, 5, 116, 22), Qt::AlignCenter, QStringLiteral("KORVEL"));
    font.setPixelSize(9);
    font.setBold(false);
    painter.setFont(font);
    painter.drawText(QRect(6, 26, 116, 12), Qt::AlignCenter, QStringLiteral("Brevik Demo"));

    // A little of what the firmware can draw: a circle, a diamond, a bar chart on its axes.
    painter.drawEllipse(QPoint(20, 49), 8, 8);
    painter.drawPolygon(QPolygon({QPoint(44, 41), QPoint(52, 49), QPoint(44, 57), QPoint(36, 49)}));
    painter.drawLine(64, 58, 120, 58);
    painter.drawLine(64, 40, 64, 58);
    for (int x = 68; x <= 116; x += 4)
        painter.drawPoint(x, 59);
    const int heights[] = {6, 11, 8, 15, 12, 17};
    int x = 68;
    for (int height : heights) {
        painter.fillRect(x, 57 - height, 5, height, liquidCrystal);
        x += 8;
    }
    return screen;
}

void paintLcd(QPainter &painter)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x30, 0x30, 0x30));
    painter.drawRoundedRect(screenArea.adjusted(-12, -14, 12, 14), 4, 4);
    painter.setBrush(QColor(0x12, 0x12, 0x12));
    painter.drawRect(screenArea.adjusted(-6, -6, 6, 6));
    // Pixels stay square blocks, not blurred, at every scale.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(screenArea, logoScreen());
    // The module's header: a row of gold pads below the glass.
    painter.setBrush(gold);
    for (int pin = 0; pin < 20; ++pin)
        painter.drawEllipse(QPointF(128 + pin * 12, 188), 3, 3);
}

void paintSerialConnector(QPainter &painter)
{
    painter.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
    painter.setBrush(QColor(0xc0, 0xc0, 0xc0));
    painter.drawRoundedRect(QRectF(8, 78, 48, 96), 3, 3);
    QPainterPath shell;
    shell.addPolygon(QPolygonF({QPointF(20, 92), QPointF(44, 100), QPointF(44, 152),
                                QPointF(20, 160), QPointF(20, 92)}));
    painter.setBrush(QColor(0x2a, 0x2a, 0x2a));
    painter.drawPath(shell);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gold);
    for (int pin = 0; pin < 5; ++pin)
        painter.drawEllipse(QPointF(27, 102 + pin * 12), 2.5, 2.5);
    for (int pin = 0; pin < 4; ++pin)
        painter.drawEllipse(QPointF(37, 108 + pin * 12), 2.5, 2.5);
}

void paintController(QPainter &painter)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xb8, 0xb8, 0xb8));
    for (int pin = 0; pin < 16; ++pin) {
        painter.drawRect(QRectF(136 + pin * 9, 204, 4, 6));
        painter.drawRect(QRectF(136 + pin * 9, 238, 4, 6));
    }
    painter.setBrush(QColor(0x1a, 0x1a, 0x1a));
    painter.drawRoundedRect(QRectF(130, 209, 150, 30), 2, 2);
    painter.setBrush(QColor(0x3a, 0x3a, 0x3a));
    painter.drawEllipse(QPointF(138, 224), 4, 4);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(10);
    painter.setFont(font);
    painter.setPen(QColor(0xd0, 0xd0, 0xd0));
    painter.drawText(QRectF(146, 209, 130, 30), Qt::AlignCenter, QStringLiteral("BREVIK 1.3"));
}

void paintParts(QPainter &painter)
{
    // Crystal
    painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
    painter.setBrush(QColor(0xd8, 0xd8, 0xd8));
    painter.drawRoundedRect(QRectF(296, 214, 30, 14), 7, 7);
    // Capacitors and resistors
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xe0, 0xb0, 0x30));
    painter.drawRoundedRect(QRectF(338, 208, 10, 16), 2, 2);
    painter.drawRoundedRect(QRectF(354, 208, 10, 16), 2, 2);
    for (int i = 0; i < 3; ++i) {
        const QRectF body(70 + i * 16, 200, 8, 22);
        painter.setBrush(QColor(0xd9, 0xc2, 0x97));
        painter.drawRoundedRect(body, 3, 3);
        painter.setBrush(QColor(0x8b, 0x45, 0x13));
        painter.drawRect(QRectF(body.x(), body.y() + 5, 8, 2));
        painter.setBrush(Qt::black);
        painter.drawRect(QRectF(body.x(), body.y() + 10, 8, 2));
    }
    // Contrast trimmer
    painter.setBrush(QColor(0x1e, 0x4f, 0xa0));
    painter.drawRect(QRectF(20, 196, 26, 26));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(33, 209), 8, 8);
    painter.setPen(QPen(QColor(0x1e, 0x4f, 0xa0), 2));
    painter.drawLine(QPointF(28, 209), QPointF(38, 209));
    // Power jack
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x22, 0x22, 0x22));
    painter.drawRoundedRect(QRectF(8, 16, 44, 40), 3, 3);
    painter.setBrush(QColor(0x55, 0x55, 0x55));
    painter.drawEllipse(QPointF(30, 36), 9, 9);
}

void paintTraces(QPainter &painter)
{
    painter.setPen(QPen(copper, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < 4; ++i) {
        const qreal y = 108 + i * 12;
        painter.drawPolyline(
                QPolygonF({QPointF(56, y), QPointF(80 + i * 4, y), QPointF(80 + i * 4, 190 + i * 3),
                           QPointF(132 + i * 9, 190 + i * 3), QPointF(138 + i * 9, 204)}));
    }
    for (int i = 0; i < 6; ++i)
        painter.drawLine(QPointF(212 + i * 12, 191), QPointF(212 + i * 9 + 8, 204));
    painter.drawPolyline(QPolygonF({QPointF(52, 36), QPointF(90, 36), QPointF(90, 60)}));
    painter.drawLine(QPointF(280, 224), QPointF(296, 221));
}

void paintMountingHole(QPainter &painter, QPointF centre)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(gold);
    painter.drawEllipse(centre, 8, 8);
    painter.setBrush(QColor(0x0c, 0x24, 0x14));
    painter.drawEllipse(centre, 4.5, 4.5);
}

} // namespace

void paintBoard(QPainter &painter, const QRectF &target)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(target.topLeft());
    painter.scale(target.width() / boardSize.width(), target.height() / boardSize.height());

    painter.setPen(QPen(QColor(0x12, 0x4a, 0x26), 2));
    painter.setBrush(solderMask);
    painter.drawRoundedRect(QRectF(QPointF(1, 1), boardSize - QSizeF(2, 2)), 10, 10);
    for (const QPointF centre :
         {QPointF(14, 246), QPointF(388, 14), QPointF(388, 246), QPointF(70, 14)})
        paintMountingHole(painter, centre);
    paintTraces(painter);
    paintSerialConnector(painter);
    paintParts(painter);
    paintController(painter);
    paintLcd(painter);

    QFont silk(QStringLiteral("DejaVu Sans"));
    silk.setPixelSize(11);
    silk.setBold(true);
    painter.setFont(silk);
    painter.setPen(QColor(0xf0, 0xf0, 0xe8));
    painter.drawText(QRectF(290, 236, 80, 16), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("KORVEL"));
    silk.setPixelSize(8);
    silk.setBold(false);
    painter.setFont(silk);
    painter.drawText(QRectF(8, 176, 52, 12), Qt::AlignCenter, QStringLiteral("RS-232"));
    painter.restore();
}

void paintIcon(QPainter &painter, const QRectF &target)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(target.topLeft());
    painter.scale(target.width() / 32, target.height() / 32);
    painter.setPen(Qt::NoPen);
    painter.setBrush(solderMask);
    painter.drawRoundedRect(QRectF(0, 0, 32, 32), 5, 5);
    painter.setBrush(QColor(0x30, 0x30, 0x30));
    painter.drawRoundedRect(QRectF(3, 6, 26, 18), 2, 2);
    painter.setBrush(backlight);
    painter.drawRect(QRectF(5, 8, 22, 14));
    painter.setPen(QPen(liquidCrystal, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(12, 15), 4, 4);
    painter.drawLine(QPointF(18, 19), QPointF(25, 11));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gold);
    for (int pin = 0; pin < 6; ++pin)
        painter.drawEllipse(QPointF(6 + pin * 4, 28), 1.2, 1.2);
    painter.restore();
}

QIcon programIcon()
{
    QIcon icon;
    for (const int side : {16, 24, 32, 48, 64, 128}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paintIcon(painter, QRectF(0, 0, side, side));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

Drawing::Drawing(Painter paint, QSize size, QWidget *parent)
    : QWidget(parent)
    , m_paint(std::move(paint))
{
    setFixedSize(size);
}

void Drawing::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_paint(painter, QRectF(rect()));
}

} // namespace ui
