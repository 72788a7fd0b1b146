// Widget tests run on Qt's offscreen platform with one application object.
#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "ApplicationFonts.h"
#include "Extended.h"

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Recent files and recovery copies of the windows under test (and of the
    // runners they start) stay in folders of their own, never the user's.
    QTemporaryDir userState;
    qputenv("XDG_CONFIG_HOME", (userState.path() + QStringLiteral("/config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (userState.path() + QStringLiteral("/data")).toLocal8Bit());
    InitFloatingPointEnvironment();
    QApplication application(argc, argv);
    RegisterApplicationFonts();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
