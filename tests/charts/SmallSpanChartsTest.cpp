// The four charts of data measured to hundredths and thousandths, painted at
// their sizes on the form: the run charts' axes fit the data and limits, the
// distribution chart's bars stand apart on an axis that holds little empty
// room, and limit labels closer than their height print apart.
// Data: tests/data/cans.csv (100 fill weights, 12.00 ± 0.05) and
// tests/data/diameter.csv (125 turned diameters, 12.000 ± 0.020), both
// against the limits 12.05 / 12 / 11.95.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "BarSeries.h"
#include "NumberText.h"
#include "RecordingCanvas.h"
#include "WindowCharts.h"

namespace {

std::vector<std::string> Readings(const std::string& file)
{
    std::ifstream in(std::string(TEST_DATA_DIR "/") + file);
    std::vector<std::string> readings;
    for (std::string reading; in >> reading;)
        readings.push_back(reading);
    return readings;
}

struct TStudy {
    TMemoryWindow Window;
    TWindowCharts Charts;

    TStudy(const std::vector<std::string>& readings, const char* usl, const char* target, const char* lsl)
    {
        Window.LoadReadings(readings);
        Window.Type(Field::Usl, usl);
        Window.Type(Field::Target, target);
        Window.Type(Field::Lsl, lsl);
        EXPECT_EQ(Compute(Window, Charts), "");
        Paint();
    }
    // Laid out at their sizes on the form.
    void Paint()
    {
        TRecordingCanvas canvas;
        Laid[&Charts.Chart1] = Charts.Chart1.LayOut(canvas, 772, 190);
        Laid[&Charts.Chart2] = Charts.Chart2.LayOut(canvas, 555, 250);
        Laid[&Charts.Chart3] = Charts.Chart3.LayOut(canvas, 772, 190);
        Laid[&Charts.Cht1] = Charts.Cht1.LayOut(canvas, 772, 486);
    }
    const TChartLayout& Layout(const TChart& chart) const { return Laid.at(&chart); }
    const TCPKValue& Record() const { return CurrentCpk()->Value; }
    std::map<const TChart*, TChartLayout> Laid;
};

// The value shown by a limit line's right-end mark, and the mark's box.
TRect RightEndLabel(const TChartLayout& layout, const TChart& chart, const char* line)
{
    const TMarkPosition& p = layout.Of(*chart.FindSeries(line)).Marks.at(1).Position;
    return {p.Left, p.Top, p.Left + p.Width, p.Top + p.Height};
}

bool Touch(const TRect& a, const TRect& b)
{
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

struct TRunChart {
    const char* Name;
    TChart& Chart;
    float Top, Bottom;
    std::vector<float> Data;
};

std::vector<TRunChart> RunCharts(TStudy& study)
{
    const TCPKValue& v = study.Record();
    std::vector<float> values;
    for (double value : v.Values)
        values.push_back(static_cast<float>(value));
    return {{"Chart2", study.Charts.Chart2, v.ChartMax, v.ChartMin, values},
            {"Chart1", study.Charts.Chart1, v.XbarUCL, v.XbarLCL, v.SubgroupMeans},
            {"Chart3", study.Charts.Chart3, v.RangeUCL, v.RangeLCL, v.SubgroupRanges}};
}

class SmallSpanCharts : public ::testing::TestWithParam<const char*> {
protected:
    TStudy Study{Readings(GetParam()), "12.05", "12", "11.95"};
};

TEST_P(SmallSpanCharts, RunChartsLeaveAQuarterOfTheSpanAboveAndBelow)
{
    for (const TRunChart& run : RunCharts(Study)) {
        SCOPED_TRACE(run.Name);
        const TChartAxis& left = run.Chart.LeftAxis();
        const Extended span = static_cast<Extended>(run.Top) - run.Bottom;
        ASSERT_GT(span, 0);
        ASSERT_LT(span, 4);
        EXPECT_EQ(left.Maximum(), static_cast<double>(run.Top + span / 4));
        EXPECT_EQ(left.Minimum(), static_cast<double>(run.Bottom - span / 4));

        // Data and limits fill at least half of the plot's height.
        const TChartLayout& layout = Study.Layout(run.Chart);
        const TAxisLayout& pixels = layout.Axis(akLeft);
        const int top = pixels.CalcPosValue(run.Top), bottom = pixels.CalcPosValue(run.Bottom);
        EXPECT_GE(bottom - top, layout.PlotRect.Height() / 2);
        for (float y : run.Data) {
            EXPECT_GE(pixels.CalcPosValue(y), top);
            EXPECT_LE(pixels.CalcPosValue(y), bottom);
        }
    }
}

TEST_P(SmallSpanCharts, DistributionChartShowsItsClassesApartWithLittleEmptyRoom)
{
    const TCPKValue& v = Study.Record();
    ASSERT_LT(v.ClassWidth, 1);
    const TChart& cht1 = Study.Charts.Cht1;
    const TChartLayout& layout = Study.Layout(cht1);
    const double firstLimit = RoundAtPowerOfTen(v.ClassLimits[1], -3);
    for (int curve : {7, 8})
        EXPECT_EQ(
            cht1.Series(curve).XValues()[0],
            RoundAtPowerOfTen(static_cast<double>(v.ClassLimits[1] - 2 * static_cast<Extended>(v.ClassWidth)), -3));

    const auto& bars = dynamic_cast<const TBarSeries&>(cht1.Series(0));
    EXPECT_GT(layout.Of(bars).Bars.Size, 0);
    for (std::size_t i = 0; i + 1 < bars.Count(); ++i)
        EXPECT_LE(bars.BarRect(layout, layout.Of(bars), i).Right, bars.BarRect(layout, layout.Of(bars), i + 1).Left)
            << "bar " << i;

    // The axis holds the bars, the reference lines and the curves, and no
    // more than three classes beyond the outermost of them.
    double leftmost = firstLimit, rightmost = RoundAtPowerOfTen(v.ClassLimits[12], -3);
    for (float reference : {v.Minus3Sigma, v.Plus3Sigma, v.Target, v.LSL, v.USL, v.Mean}) {
        leftmost = std::min<double>(leftmost, reference);
        rightmost = std::max<double>(rightmost, reference);
    }
    const TAxisScale& bottom = layout.Axis(akBottom).Scale;
    EXPECT_LE(bottom.WorkMinimum, cht1.Series(7).XValues()[0]);
    EXPECT_GE(bottom.WorkMinimum, leftmost - 3 * static_cast<double>(v.ClassWidth));
    EXPECT_GE(bottom.WorkMaximum, rightmost);
    EXPECT_LE(bottom.WorkMaximum, rightmost + 3 * static_cast<double>(v.ClassWidth));
}

INSTANTIATE_TEST_SUITE_P(Studies, SmallSpanCharts, ::testing::Values("cans.csv", "diameter.csv"), [](const auto& info) {
    return std::string(info.param).substr(0, info.param[0] == 'c' ? 4 : 8);
});

TEST(SmallSpanCharts, CansAxisStartsWithinThreeClassesOfTheFirstLimit)
{
    TStudy cans(Readings("cans.csv"), "12.05", "12", "11.95");
    const TCPKValue& v = cans.Record();
    EXPECT_GE(cans.Layout(cans.Charts.Cht1).Axis(akBottom).Scale.WorkMinimum,
              RoundAtPowerOfTen(v.ClassLimits[1], -3) - 3 * static_cast<double>(v.ClassWidth));
}

TEST(LimitLabels, LimitsCloserThanALabelPrintOneBelowTheOther)
{
    // The target 0.001 below the upper limit, the lower limit far below.
    TStudy study(Readings("diameter.csv"), "12.05", "12.049", "11.95");
    const TChart& chart2 = study.Charts.Chart2;
    const TChartLayout& layout = study.Layout(chart2);
    const TRect upper = RightEndLabel(layout, chart2, "Series3"), centre = RightEndLabel(layout, chart2, "Series5");
    EXPECT_FALSE(Touch(upper, centre));
    EXPECT_EQ(centre.Top, upper.Bottom);  // moved down just far enough
    EXPECT_EQ(layout.Of(*chart2.FindSeries("Series5")).Marks.at(1).Text, "12.049");

    // Far apart, each stays on its line.
    const TChartSeries& lower = *chart2.FindSeries("Series4");
    const TMarkPosition& mark = layout.Of(lower).Marks.at(1).Position;
    EXPECT_EQ(mark.Top + mark.Height - 1 + lower.Marks().ArrowLength(), layout.Axis(akLeft).CalcPosValue(11.95f));
}

TEST(LimitLabels, DistributionChartLabelsOfOneRowPrintApart)
{
    // The target on the lower 3-sigma line: their labels share the red row.
    TStudy first(Readings("diameter.csv"), "12.05", "12", "11.95");
    const std::string minus3 = PatternNumberText("0.0000", first.Record().Minus3Sigma);
    TStudy study(Readings("diameter.csv"), "12.05", minus3.c_str(), "11.95");
    const TChart& cht1 = study.Charts.Cht1;
    const auto label = [&](int series) {
        const TMarkPosition& p = study.Layout(cht1).Of(cht1.Series(series)).Marks.at(1).Position;
        return TRect{p.Left, p.Top, p.Left + p.Width, p.Top + p.Height};
    };
    const TRect minus3Sigma = label(1), target = label(3);
    EXPECT_FALSE(Touch(minus3Sigma, target));
    EXPECT_EQ(target.Top, minus3Sigma.Bottom);
    // The green row is not touched by the red one's move.
    const TRect lsl = label(4), average = label(6);
    EXPECT_EQ(lsl.Top, average.Top);
}

}  // namespace
