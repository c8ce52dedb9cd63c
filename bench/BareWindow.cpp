// The yardstick for the game's start-up, memory and painting: a plain Qt
// Widgets window of the game's outer size, with nothing on it.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.resize(919, 662);
    window.show();
    return application.exec();
}
