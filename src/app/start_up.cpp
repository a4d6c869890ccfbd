#include "app/start_up.h"

#include "app/version.h"

#include <QApplication>

namespace app {

void setup_identity(QApplication &application)
{
    application.setApplicationName(QStringLiteral("Vantrel"));
    application.setOrganizationName(QStringLiteral("Quorbin"));
    application.setApplicationVersion(QString::fromLatin1(VERSION));
    // Desktops match the windows to the installed entry, and its icon, by this id.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(APP_ID));
}

} // namespace app
