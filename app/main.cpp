// cpk-xr: start-up and shut-down of the application.
#include <QApplication>
#include <QScreen>

#include "Extended.h"
#include "extended/ExtendedWindow.h"
#include "LocaleSettings.h"
#include "Unit1.h"

int main(int argc, char* argv[])
{
    InitFloatingPointEnvironment();
    QApplication application(argc, argv);
    ReadNumberSettingsFromLocale();

    TForm1 form;
    form.SetApplicationTitle(ApplicationTitle(QCoreApplication::applicationFilePath()));
    // Centred on the screen when first shown.
    if (const QScreen* screen = application.primaryScreen()) {
        QRect frame(QPoint(0, 0), form.size());
        frame.moveCenter(screen->availableGeometry().center());
        form.move(frame.topLeft());
    }
    // 计算 → 扩展分析… until the menu bar holds it; Ctrl+E on the form meanwhile.
    CreateExtendedAnalysisAction(form);
    form.show();
    return application.exec();
}
