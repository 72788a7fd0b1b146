// Axis arithmetic without a canvas: 1-2-5 steps, label values, pixel mapping
// and margin widening. Expected values are the worked examples of the chart
// component's axis rules, checked by hand.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "AxisScale.h"
#include "Extended.h"

namespace {

TAxisScale Horizontal(int start, int end, double minimum, double maximum)
{
    TAxisScale scale;
    scale.Horizontal = true;
    scale.StartPos = start;
    scale.EndPos = end;
    scale.SetWorkRange(minimum, maximum);
    return scale;
}

TLabelStepInput StepInput(int axisSize, int labelSize, double workRange)
{
    TLabelStepInput input;
    input.AxisSize = axisSize;
    input.LabelSize = labelSize;
    input.WorkRange = workRange;
    return input;
}

}  // namespace

TEST(NextStep, MovesToTheNextOneTwoFiveNumberEvenFromOne)
{
    EXPECT_EQ(NextStep(1), 2);
    EXPECT_EQ(NextStep(2), 5);
    EXPECT_EQ(NextStep(5), 10);
    EXPECT_EQ(NextStep(1.2167), 2);
    EXPECT_EQ(NextStep(7.3), 10);
    EXPECT_EQ(NextStep(12), 20);
    EXPECT_EQ(NextStep(0.642), 1);
    EXPECT_DOUBLE_EQ(NextStep(0.03), 0.05);
    EXPECT_DOUBLE_EQ(NextStep(4e12), 5e12);
    EXPECT_EQ(NextStep(INFINITY), 1);
}

TEST(LabelStep, WorkedExamples)
{
    // Range 7.3 with room for 5 labels: 7.3 / 6 = 1.2167, k = 6 > 5, step 2.
    TLabelStepInput input = StepInput(55, 10, 7.3);  // 55 / (10 + 1) = 5 labels
    EXPECT_EQ(LabelCount(input), 5);
    EXPECT_EQ(LabelStep(input), 2);

    // 600 pixels, labels 30 wide: n = Round(600 / 33) = 18; 12.2034 / 19 = 0.642 -> 1.
    input = StepInput(600, 30, 12.2034);
    EXPECT_EQ(LabelCount(input), 18);
    EXPECT_EQ(LabelStep(input), 1);
}

TEST(LabelStep, DesiredIncrementStillMovesWhenTooDense)
{
    TLabelStepInput input = StepInput(110, 10, 20);  // 10 labels
    input.Increment = 1;                             // 20 labels would not fit
    EXPECT_EQ(LabelStep(input), 2);
    input.Increment = 3;  // 7 labels fit: kept although not a 1-2-5 number
    EXPECT_EQ(LabelStep(input), 3);
}

TEST(LabelStep, StepOfAtLeastOneForFewPointsAlongX)
{
    TLabelStepInput input = StepInput(600, 30, 3);  // 18 labels, start 3/19
    EXPECT_DOUBLE_EQ(LabelStep(input), 0.2);
    input.FewestXPoints = 4;  // a series with 4 points: no steps below 1
    EXPECT_EQ(LabelStep(input), 1);
    input.FewestXPoints = 19;  // more points than labels: rule off
    EXPECT_DOUBLE_EQ(LabelStep(input), 0.2);
}

TEST(LabelStep, NoRoomAndNoSeparation)
{
    EXPECT_EQ(LabelStep(StepInput(1, 30, 10)), MinimumStep);  // n = 0
    TLabelStepInput input = StepInput(600, 30, 12.2034);
    input.LabelsSeparation = 0;                          // no 1-2-5 walk: the start value stays
    EXPECT_NEAR(LabelStep(input), 12.2034 / 21, 1e-15);  // n = Round(600 / 30) = 20
    EXPECT_EQ(LabelStep(StepInput(600, 30, 0)), 1);      // zero range
}

TEST(LabelStep, ExtremeRangesStayFinite)
{
    const double huge = LabelStep(StepInput(600, 30, DBL_MAX));
    EXPECT_TRUE(std::isfinite(huge));
    EXPECT_GT(huge, DBL_MAX / 20);
    EXPECT_EQ(LabelStep(StepInput(600, 30, 1e-300)), MinimumStep);
    EXPECT_EQ(LabelStep(StepInput(600, 30, 5e-324)), MinimumStep);
}

TEST(LabelValues, FromTheTopValueDownToTheMinimum)
{
    const std::vector<double> values = LabelValues(-0.1017, 12.1017, 12.2034, 1, true);
    ASSERT_EQ(values.size(), 13u);
    EXPECT_EQ(values.front(), 12);
    EXPECT_EQ(values.back(), 0);

    // Fixed ends 9.5 to 12.5: multiples of the step from Trunc(12.5 / d) * d down to 9.5 inclusive.
    EXPECT_EQ(LabelValues(9.5, 12.5, 3, 1, true), (std::vector<double>{12, 11, 10}));
    EXPECT_EQ(LabelValues(9.5, 12.5, 3, 0.5, true), (std::vector<double>{12.5, 12, 11.5, 11, 10.5, 10, 9.5}));
    EXPECT_EQ(LabelValues(9.5, 12.5, 3, 1, false), (std::vector<double>{12.5, 11.5, 10.5, 9.5}));
    // Negative minimum is its own bound.
    EXPECT_EQ(LabelValues(-2, 2, 4, 2, true), (std::vector<double>{2, 0, -2}));
}

TEST(LabelValues, EachNextLabelIsTheExtendedDifferenceStoredAsADouble)
{
    // 4097 - step is 4096 + 2^-41 + 2^-52: just above the midpoint of two
    // doubles, but exactly on a midpoint at Extended precision, where it
    // rounds to 4096 + 2^-41 and from there to the even double 4096. A plain
    // double subtraction would give 4096 + 2^-40.
    const double step = 1 - 0x1p-41 - 0x1p-52;
    const std::vector<double> values = LabelValues(4095, 4097, 2, step, false);
    ASSERT_GE(values.size(), 2u);
    EXPECT_EQ(values[0], 4097);
    EXPECT_EQ(values[1], 4096);
}

TEST(LabelValues, SingleLabelCases)
{
    EXPECT_EQ(LabelValues(5, 5, 0, 1, true), (std::vector<double>{5}));
    EXPECT_EQ(LabelValues(1, 1 + 1e-11, 1e-11, MinimumStep, true).size(), 1u);
    // Steps below the 15-digit resolution of the value give one label.
    EXPECT_EQ(LabelValues(1e20, 1e20 + 16384, 16384, 5000, true).size(), 1u);
}

TEST(LabelValues, TenThousandLabelCutOff)
{
    EXPECT_EQ(LabelValues(0, 9999, 9999, 1, true).size(), 10000u);
    EXPECT_TRUE(LabelValues(0, 10000, 10000, 1, true).empty());
    EXPECT_TRUE(LabelValues(-1e308, 1e308, DBL_MAX, MinimumStep, true).empty());
}

TEST(AxisScale, MapsValuesToPixels)
{
    const TAxisScale bottom = Horizontal(30, 630, 0, 12);
    EXPECT_EQ(bottom.CalcPosValue(0), 30);
    EXPECT_EQ(bottom.CalcPosValue(12), 630);
    EXPECT_EQ(bottom.CalcPosValue(6), 330);
    const TAxisScale fine = Horizontal(30, 630, 0, 1200);
    EXPECT_EQ(fine.CalcPosValue(1), 30);  // half a pixel rounds to even
    EXPECT_EQ(fine.CalcPosValue(3), 32);
    EXPECT_DOUBLE_EQ(bottom.CalcPosPoint(330), 6);

    TAxisScale left = bottom;
    left.Horizontal = false;
    EXPECT_EQ(left.CalcPosValue(0), 630);  // larger values higher up
    EXPECT_EQ(left.CalcPosValue(12), 30);
    EXPECT_DOUBLE_EQ(left.CalcPosPoint(30), 12);
}

TEST(AxisScale, PixelRoundingIsHalfToEven)
{
    for (long double x : {0.5L, 1.5L, 2.5L, -0.5L, -1.5L, -2.5L, 2.5000000000000000001L, 67108862.5L, -67108863.0L,
                          0.49999999999999999997L, 1234.567L, -0.0L})
        EXPECT_EQ(RoundPixel(x), RoundHalfEven(x)) << static_cast<double>(x);
}

TEST(AxisScale, ZeroRangeAndDegenerateAxes)
{
    const TAxisScale zero = Horizontal(10, 111, 4, 4);
    EXPECT_TRUE(zero.ZeroRange());
    EXPECT_EQ(zero.CalcPosValue(4), 60);
    EXPECT_EQ(zero.CalcPosValue(-1e300), 60);
    EXPECT_EQ(Horizontal(10, 10, 0, 1).CalcPosPoint(10), 0);  // shorter than a pixel
}

TEST(AxisScale, ExtremeValuesAreClampedNotOverflowed)
{
    const TAxisScale scale = Horizontal(0, 600, 0, 1);
    EXPECT_EQ(scale.CalcPosValue(1e308), 67108863);
    EXPECT_EQ(scale.CalcPosValue(-1e308), -67108863);
    const TAxisScale widest = Horizontal(0, 600, -1e308, 1e308);
    EXPECT_EQ(widest.WorkRange, DBL_MAX);
    EXPECT_EQ(widest.CalcPosValue(1e308), 600);
    EXPECT_EQ(widest.CalcPosValue(-1e308), 0);
}

TEST(AxisScale, MarginWideningExample)
{
    // 600 pixels, data 0 to 12, 5-pixel margins: the range becomes -0.1017 to 12.1017.
    TAxisScale scale = Horizontal(0, 600, 0, 12);
    scale.WidenByMargins(5, 5);
    EXPECT_NEAR(scale.WorkMinimum, -0.1017, 5e-5);
    EXPECT_NEAR(scale.WorkMaximum, 12.1017, 5e-5);
    EXPECT_EQ(scale.StartPos, 0);
    EXPECT_EQ(scale.EndPos, 600);
    EXPECT_EQ(scale.CalcPosValue(0), 5);
    EXPECT_EQ(scale.CalcPosValue(12), 595);

    TAxisScale vertical = Horizontal(0, 600, 0, 12);
    vertical.Horizontal = false;
    vertical.WidenByMargins(5, 5);  // top, bottom
    EXPECT_EQ(vertical.CalcPosValue(12), 5);
    EXPECT_EQ(vertical.CalcPosValue(0), 595);
}
