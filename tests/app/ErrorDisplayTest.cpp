#include <gtest/gtest.h>

#include "ErrorDisplay.h"

TEST(ErrorDisplay, FullStopFollowsLettersDigitsAndChineseOnly)
{
    EXPECT_EQ(DisplayedErrorMessage("'abc' is not a valid floating point value"),
              "'abc' is not a valid floating point value.");
    EXPECT_EQ(DisplayedErrorMessage("Floating point division by zero"), "Floating point division by zero.");
    EXPECT_EQ(DisplayedErrorMessage("List index out of bounds (3)"), "List index out of bounds (3)");
    EXPECT_EQ(DisplayedErrorMessage("Done."), "Done.");
    EXPECT_EQ(DisplayedErrorMessage("Stop!"), "Stop!");
    EXPECT_EQ(DisplayedErrorMessage("trailing blank "), "trailing blank ");
    EXPECT_EQ(DisplayedErrorMessage("code 7"), "code 7.");
    EXPECT_EQ(DisplayedErrorMessage("子组大小"), "子组大小.");
    // The quote that closes a conversion message sorts before ".".
    EXPECT_EQ(DisplayedErrorMessage("'' is not a valid integer value'"), "'' is not a valid integer value'");
    EXPECT_EQ(DisplayedErrorMessage(""), "");
}

TEST(ErrorDisplay, TitleIsTheProgramNameWithoutExtension)
{
    EXPECT_EQ(ApplicationTitle(QStringLiteral("/usr/local/bin/cpk-xr")), QStringLiteral("cpk-xr"));
    EXPECT_EQ(ApplicationTitle(QStringLiteral("C:/Tools/CPK.Test.EXE")), QStringLiteral("Cpk"));
    EXPECT_EQ(ApplicationTitle(QStringLiteral("/opt/Project1.exe")), QStringLiteral("Project1"));
    EXPECT_EQ(ApplicationTitle(QStringLiteral("/opt/xRAY")), QStringLiteral("xray"));
}
