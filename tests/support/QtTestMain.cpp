// Widget tests run on Qt's offscreen platform with one application object.
#include <QApplication>

#include <gtest/gtest.h>

#include "ApplicationFonts.h"
#include "Extended.h"

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    InitFloatingPointEnvironment();
    QApplication application(argc, argv);
    RegisterApplicationFonts();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
