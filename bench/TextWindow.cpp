// What any window with text costs the toolkit: the bare window of
// BareWindow.cpp with a menu bar of four commands and one label, and
// nothing of the game's.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Text"));
    for (const char* command : {"New Game", "Options", "High Scores", "Help/About"})
        window.menuBar()->addAction(QLatin1String(command));
    window.setCentralWidget(new QLabel(QStringLiteral("Score:")));
    window.resize(919, 662);
    window.show();
    return application.exec();
}
