#pragma once

#include <QIcon>
#include <QWidget>

#include <functional>

class QPainter;

namespace ui {

// Our own drawings of the Korvel board, painted as vectors so they stay sharp at any scale.

// The board: a green circuit board with its serial connector, controller and a 128 x 64
// graphic LCD showing the demo's logo screen.
void paintBoard(QPainter &painter, const QRectF &target);
// The program's icon: a small LCD with a circle drawn on it.
void paintIcon(QPainter &painter, const QRectF &target);
QIcon programIcon();

// A fixed-size picture painted by one of the functions above.
class Drawing : public QWidget
{
    Q_OBJECT
public:
    using Painter = std::function<void(QPainter &, const QRectF &)>;
    Drawing(Painter paint, QSize size, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Painter m_paint;
};

} // namespace ui
