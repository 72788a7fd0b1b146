// cpk-xr-batch: the window's compute command on a file or a pipe.
#include <QApplication>

#include <iostream>
#include <string>
#include <vector>

#include "ApplicationFonts.h"
#include "BatchRun.h"
#include "Extended.h"
#include "LocaleSettings.h"

namespace {

// Standard error carries the batch's own messages only: Qt's notes about its
// environment (no runtime directory, no screen) are not errors of the run.
void KeepSeriousQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << message.toStdString() << '\n';
}

}  // namespace

int main(int argc, char* argv[])
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    // No window is shown: the charts are painted into images and files, the
    // report's form offscreen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(KeepSeriousQtMessages);
    InitFloatingPointEnvironment();
    // Qt must not take options of the batch command line for its own.
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    // The window's fonts measure the chart texts, so the charts lay out as there.
    RegisterApplicationFonts();
    ReadNumberSettingsFromLocale();
    return RunBatch(args, std::cin, std::cout, std::cerr);
}
