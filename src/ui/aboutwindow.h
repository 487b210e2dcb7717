#pragma once

#include <QWidget>

namespace ui {

// `frmAbout`: a picture of the board, the program's icon and title. "OK" destroys the window;
// the next request builds a new one.
class AboutWindow : public QWidget
{
    Q_OBJECT
public:
    explicit AboutWindow(QWidget *owner);
};

} // namespace ui
