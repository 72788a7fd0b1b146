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
    QGuiApplication::setDesktopFileName(QStringLiteral("org.cpkxr.CpkXr"));
    RegisterApplicationFonts();
    InstallChineseQtTranslations(application);
    ReadNumberSettingsFromLocale();

    TMainWindow window;
    window.Form().SetApplicationTitle(ApplicationTitle(QCoreApplication::applicationFilePath()));
    window.ShowPlaced();
    // cpk-xr FILE opens the file, as the desktop entry's %f asks.
    const QStringList arguments = QCoreApplication::arguments();
    window.StartUp(arguments.size() > 1 ? arguments.at(1) : QString());
    return application.exec();
}
