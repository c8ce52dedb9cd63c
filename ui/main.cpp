#include "Translations.h"
#include "Unit1.h"
#include "Unit2.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // Ties the window to its desktop entry, so the task bar shows its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.quorvel.Quorvel"));
    const quorvel::ui::Translations translations(quorvel::ui::DesktopLanguages());
    quorvel::ui::TForm1 form;
    quorvel::ui::TAboutBox about(form.pictures(), &form);
    form.setAboutBox(&about);
    form.show();
    return application.exec();
}
