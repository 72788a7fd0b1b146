// Starts either the real main window or a bare Qt window of the same size and
// ends the process at the window's first paint, so that the time from process
// start to first paint can be measured from outside.
#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <cstdio>
#include <cstring>
#include <unistd.h>

#include "Extended.h"
#include "LocaleSettings.h"
#include "MainWindow.h"
#include "ApplicationFonts.h"
#include "QtTranslations.h"

namespace {

class TFirstPaint : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            std::fputs("painted\n", stdout);
            std::fflush(stdout);
            _exit(0);
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

int main(int argc, char* argv[])
{
    const bool bare = argc > 1 && std::strcmp(argv[1], "bare") == 0;
    InitFloatingPointEnvironment();
    QApplication application(argc, argv);
    TFirstPaint firstPaint;
    QWidget* window = nullptr;
    if (bare) {
        window = new QWidget;
        window->resize(1904, 908);
    } else {
        RegisterApplicationFonts();
        InstallChineseQtTranslations(application);
        ReadNumberSettingsFromLocale();
        auto* mainWindow = new TMainWindow;
        mainWindow->installEventFilter(&firstPaint);
        mainWindow->ShowPlaced();
        return application.exec();
    }
    window->installEventFilter(&firstPaint);
    window->show();
    return application.exec();
}
