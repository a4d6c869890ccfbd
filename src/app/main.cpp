#include "app/splash_window.h"
#include "app/start_up.h"
#include "ui/application_setup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
#ifdef Q_OS_WIN
    // The built-in face through FreeType, hinted and smoothed as on Linux:
    // DirectWrite would draw the same outlines with other pixels. A platform
    // the user chose is kept.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "windows:fontengine=freetype");
#endif
    QApplication application(argc, argv);
    app::setup_identity(application);

    // The splash comes first; it opens the main window itself and then goes.
    auto *splash = new app::Frmfirst();
    splash->show();

    // What only the main window needs is set up while the splash is shown.
    ui::setup_look(application);
    return QApplication::exec();
}
