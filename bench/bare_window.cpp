// The floor for the start-up benchmark: an empty Qt Widgets window, the least any Qt program
// pays on this machine to put a window on the screen.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    window.show();
    return QApplication::exec();
}
