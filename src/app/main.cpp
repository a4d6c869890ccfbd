#include "app/main_window.h"
#include "ui/application_setup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    ui::setup_application(application);
    app::Frmload window;
    window.show();
    return QApplication::exec();
}
