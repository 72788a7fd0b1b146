#include <gtest/gtest.h>

#include "WindowPlacement.h"

namespace {

const QSize Natural(1904, 930);
const QMargins Frame(4, 30, 4, 4);

}  // namespace

TEST(WindowPlacement, CentresTheNaturalSizeWhenTheScreenHoldsIt)
{
    const QRect available(0, 0, 1920, 1040);
    const TWindowPlacement placement = PlaceWindow(available, Natural, Frame);
    EXPECT_FALSE(placement.Maximized);
    EXPECT_EQ(placement.Geometry.size(), Natural);
    const QRect outer = placement.Geometry.marginsAdded(Frame);
    EXPECT_TRUE(available.contains(outer));
    EXPECT_LE(std::abs(outer.center().x() - available.center().x()), 1);
}

TEST(WindowPlacement, FillsASmallOrScaledScreenWithoutGoingOffIt)
{
    // 1366 x 768, 1920 x 1080 at 150 % (1280 x 720 logical), a second screen
    // to the right, and one smaller than 800 x 600.
    for (const QRect available :
         {QRect(0, 0, 1366, 728), QRect(0, 0, 1280, 690), QRect(1920, 0, 1600, 860), QRect(0, 0, 640, 480)}) {
        const TWindowPlacement placement = PlaceWindow(available, Natural, Frame);
        EXPECT_TRUE(placement.Maximized);
        const QRect outer = placement.Geometry.marginsAdded(Frame);
        EXPECT_EQ(outer, available);
        EXPECT_GE(outer.left(), available.left());
        EXPECT_GE(outer.top(), 0);
    }
}

TEST(WindowPlacement, NoScreenInformationKeepsTheNaturalSizeAtTheOrigin)
{
    const TWindowPlacement placement = PlaceWindow(QRect(), Natural, Frame);
    EXPECT_FALSE(placement.Maximized);
    EXPECT_EQ(placement.Geometry, QRect(QPoint(0, 0), Natural));
}
