// cpk-xr: start-up and shut-down of the application.
#include <QApplication>

#include "ApplicationFonts.h"
#include "Extended.h"
#include "LocaleSettings.h"
#include "MainWindow.h"
#include "QtTranslations.h"
#include "Unit1.h"

int main(int argc, char* argv[])
{
    InitFloatingPointEnvironment();
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("cpk-xr"));
    RegisterApplicationFonts();
    InstallChineseQtTranslations(application);
    ReadNumberSettingsFromLocale();

    TMainWindow window;
    window.Form().SetApplicationTitle(ApplicationTitle(QCoreApplication::applicationFilePath()));
    window.ShowPlaced();
    return application.exec();
}
