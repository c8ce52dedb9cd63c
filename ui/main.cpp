#include "Unit1.h"
#include "Unit2.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    quorvel::ui::TForm1 form;
    quorvel::ui::TAboutBox about(form.pictures(), &form);
    form.setAboutBox(&about);
    form.show();
    return application.exec();
}
