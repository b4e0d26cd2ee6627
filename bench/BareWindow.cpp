// The reference for start-up time: a bare Qt window with a menu bar, nothing else.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare Qt Window"));
    window.menuBar()->addMenu(QStringLiteral("&File"));
    window.resize(420, 360);
    window.show();
    return QApplication::exec();
}
