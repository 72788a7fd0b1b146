// cpk-xr-scenario: drives the real main window headlessly from a script on
// standard input and prints its state as JSON.
#include <QApplication>
#include <QTextStream>

#include <cstdio>
#include <iostream>
#include <string>

#include "ApplicationFonts.h"
#include "Extended.h"
#include "LocaleSettings.h"
#include "MainWindow.h"
#include "QtTranslations.h"
#include "ScenarioRunner.h"
#include "Unit1.h"

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    InitFloatingPointEnvironment();
    QApplication application(argc, argv);
    RegisterApplicationFonts();
    InstallChineseQtTranslations(application);
    ReadNumberSettingsFromLocale();

    TMainWindow window;
    TForm1& form = window.Form();
    // Error titles are those of the application, whose program file is cpk-xr.
    form.SetApplicationTitle(ApplicationTitle(QStringLiteral("cpk-xr")));
    window.show();
    QApplication::setActiveWindow(&window);
    QApplication::processEvents();

    QTextStream out(stdout);
    TScenarioRunner runner(window, out);
    // The optional file argument opens as `cpk-xr FILE` does.
    const QStringList arguments = QCoreApplication::arguments();
    window.StartUp(arguments.size() > 1 ? arguments.at(1) : QString());
    QApplication::processEvents();
    std::string raw;
    for (int lineNumber = 1; std::getline(std::cin, raw); ++lineNumber) {
        const QString text = QString::fromUtf8(raw);
        try {
            if (const auto line = ParseScenarioLine(text))
                runner.Run(*line);
        } catch (const std::invalid_argument& refused) {
            out.flush();
            std::fprintf(stderr, "cpk-xr-scenario: line %d: %s: %s\n", lineNumber, refused.what(), raw.c_str());
            return 2;
        }
    }
    return 0;
}
