#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>

class QScrollArea;
class QWidget;

namespace ui {

// Lets a person reach all of a form laid out at a fixed size, on any screen. Where the screen
// has room for it, the window is the form's size and nothing changes; where it has not, the
// window takes the room there is and scrolls over the form, which keeps its own layout.
class ScreenFit : public QObject
{
    Q_OBJECT
public:
    // Puts `form` into `window`, which must have no layout of its own yet.
    ScreenFit(QWidget *window, QWidget *form);

    // Fits the window into `room`: the size of the screen's free area less the window's frame.
    void fitInto(QSize room);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    QWidget *m_form;
    QScrollArea *m_area;
};

// Where a window of `size` (its frame included) goes beside `other` (a frame geometry) so that
// all of it lies in `room`: to the right, else to the left, below or above; on no side, in the
// room's corner nearest the right, as much of it on the screen as the screen holds.
QPoint besidePosition(QSize size, const QRect &other, const QRect &room);

// Before either is shown: the pair centred on the screen, `second` beside `first` where
// besidePosition puts it, all of both visible where the screen has room for them.
void placeSideBySide(QWidget *first, QWidget *second);

} // namespace ui
