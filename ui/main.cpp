#include "Unit1.h"
#include "Unit2.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // Ties the window to its desktop entry, so the task bar shows its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.quorvel.Quorvel"));
    quorvel::ui::TForm1 form;
    // The help/about box is no part of the first picture: building it then,
    // long before the player can ask for it, takes it off the way to the
    // window's first appearance.
    std::unique_ptr<quorvel::ui::TAboutBox> about;
    form.afterFirstPicture([&] {
        about = std::make_unique<quorvel::ui::TAboutBox>(form.pictures(), &form);
        form.setAboutBox(about.get());
    });
    form.show();
    return application.exec();
}
