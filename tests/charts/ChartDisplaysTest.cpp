// The chart displays filled by the compute command, checked on the chart
// model: series, points, labels, colours, pens, marks and axis ends. Expected
// values come from the worked example of the sample data.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BarSeries.h"
#include "LimitChart.h"
#include "WindowCharts.h"

namespace {

std::vector<double> Ys(const TChartSeries& series)
{
    std::vector<double> ys;
    for (std::size_t i = 0; i < series.Count(); ++i)
        ys.push_back(series.YValues()[i]);
    return ys;
}

std::vector<double> Xs(const TChartSeries& series)
{
    std::vector<double> xs;
    for (std::size_t i = 0; i < series.Count(); ++i)
        xs.push_back(series.XValues()[i]);
    return xs;
}

std::vector<TColor> Colors(const TChartSeries& series)
{
    std::vector<TColor> colors;
    for (std::size_t i = 0; i < series.Count(); ++i)
        colors.push_back(series.StoredColor(i));
    return colors;
}

void ExpectLimitLine(const TChartSeries& line, float value, double xEnd, TColor color, TPenStyle style)
{
    SCOPED_TRACE(line.Name());
    ASSERT_EQ(line.Count(), 2u);
    EXPECT_EQ(Xs(line), (std::vector<double>{0, xEnd}));
    EXPECT_EQ(Ys(line), (std::vector<double>{value, value}));
    EXPECT_EQ(line.Label(0), " ");
    EXPECT_EQ(line.Label(1), "");
    EXPECT_TRUE(line.Marks().Visible());
    EXPECT_TRUE(line.Marks().Transparent());
    EXPECT_EQ(line.Marks().Font().Size(), 10);
    EXPECT_EQ(line.Marks().Font().Color(), color);
    EXPECT_TRUE(line.Marks().Font().Bold());
    EXPECT_EQ(line.Pen().Width(), 2);
    EXPECT_EQ(line.Pen().Style(), style);
}

void ExpectNear(const std::vector<double>& actual, const std::vector<double>& expected, double tolerance)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i)
        EXPECT_NEAR(actual[i], expected[i], tolerance) << "at " << i;
}

std::vector<std::string> SeriesNames(const TChart& chart)
{
    std::vector<std::string> names;
    for (const TChartSeries* series : chart.SeriesList())
        names.push_back(series->Name());
    return names;
}

}  // namespace

// The names and titles the window's dump and chart files show, by role.
TEST(ChartDisplays, EachChartIsLaidOutForItsRole)
{
    TWindowCharts charts;
    EXPECT_EQ(charts.Chart1.Title().Text(), std::vector<std::string>{"均值控制图"});
    EXPECT_TRUE(charts.Chart1.Title().Visible());
    EXPECT_EQ(SeriesNames(charts.Chart1),
              (std::vector<std::string>{"FastLineSeries1", "FastLineSeries2", "FastLineSeries3", "FastLineSeries4",
                                        "PointSeries1"}));
    EXPECT_EQ(charts.Chart3.Title().Text(), std::vector<std::string>{"极差控制图"});
    EXPECT_EQ(SeriesNames(charts.Chart3),
              (std::vector<std::string>{"FastLineSeries5", "FastLineSeries6", "FastLineSeries7", "FastLineSeries8",
                                        "PointSeries2"}));
    EXPECT_FALSE(charts.Chart2.Title().Visible());
    EXPECT_EQ(SeriesNames(charts.Chart2),
              (std::vector<std::string>{"Series3", "Series4", "Series5", "Series6", "Series7"}));
    EXPECT_FALSE(charts.Cht1.Title().Visible());
    EXPECT_EQ(charts.Cht1.SeriesCount(), 0u);
    for (const TChart* chart : {&charts.Chart1, &charts.Chart2, &charts.Chart3, &charts.Cht1}) {
        EXPECT_EQ(chart->Color(), clWhite);
        EXPECT_FALSE(chart->View3D());
        EXPECT_FALSE(chart->LegendVisible());
    }
}

TEST(ChartDisplays, SampleDataFillsTheIndividualsChart)
{
    TMemoryWindow window;
    window.LoadSampleData();
    TWindowCharts charts;
    ASSERT_EQ(Compute(window, charts), "");
    TChart& chart = charts.Chart2;
    ASSERT_EQ(chart.SeriesCount(), 5u);
    ExpectLimitLine(*chart.FindSeries("Series3"), 28, 26, clRed, psSolid);
    ExpectLimitLine(*chart.FindSeries("Series4"), 23, 26, clGreen, psSolid);
    ExpectLimitLine(*chart.FindSeries("Series5"), 25.5, 26, 42495, psDash);
    // Fast lines keep their laid-out colours whatever colour the points carry.
    EXPECT_EQ(chart.FindSeries("Series5")->Color(), 33023);

    const TChartSeries& data = *chart.FindSeries("Series6");
    const TChartSeries& points = *chart.FindSeries("Series7");
    ASSERT_EQ(data.Count(), 25u);
    EXPECT_EQ(data.YValues()[0], 26.39f);
    EXPECT_EQ(data.XValues()[24], 24);
    EXPECT_EQ(Colors(data), std::vector<TColor>(25, clBlue));
    // 28.11, 30.77, 29.41 and 30.21 lie above the upper limit.
    std::vector<TColor> expected(25, clYellow);
    for (int beyond : {2, 8, 12, 16})
        expected[beyond] = clRed;
    EXPECT_EQ(Colors(points), expected);
    EXPECT_EQ(dynamic_cast<const TPointSeries&>(points).Pointer().Style(), psDiamond);

    EXPECT_FALSE(chart.LeftAxis().Automatic());
    EXPECT_EQ(chart.LeftAxis().Maximum(), static_cast<double>(30.77f) + 1);
    EXPECT_EQ(chart.LeftAxis().Minimum(), 22);
    EXPECT_EQ(chart.BottomAxis().LabelStyle(), talValue);
    EXPECT_FALSE(chart.LeftAxis().Grid().Visible());
    EXPECT_FALSE(chart.BottomAxis().Grid().Visible());
}

TEST(ChartDisplays, SampleDataFillsTheXbarAndRangeCharts)
{
    TMemoryWindow window;
    window.LoadSampleData();
    TWindowCharts charts;
    ASSERT_EQ(Compute(window, charts), "");
    const TCPKValue& v = CurrentCpk()->Value;

    TChart& xbar = charts.Chart1;
    ExpectLimitLine(*xbar.FindSeries("FastLineSeries1"), v.XbarUCL, 6, clRed, psSolid);
    ExpectLimitLine(*xbar.FindSeries("FastLineSeries2"), v.XbarLCL, 6, clGreen, psSolid);
    ExpectLimitLine(*xbar.FindSeries("FastLineSeries3"), v.Mean, 6, 42495, psDash);
    EXPECT_EQ(Ys(*xbar.FindSeries("FastLineSeries4")),
              (std::vector<double>{v.SubgroupMeans.begin(), v.SubgroupMeans.end()}));
    EXPECT_EQ(Colors(*xbar.FindSeries("PointSeries1")), std::vector<TColor>(5, clYellow));
    EXPECT_EQ(xbar.LeftAxis().Maximum(), static_cast<double>(v.XbarUCL) + 1);
    EXPECT_EQ(xbar.LeftAxis().Minimum(), static_cast<double>(v.XbarLCL) - 1);
    // The laid-out grid lines stay on.
    EXPECT_TRUE(xbar.LeftAxis().Grid().Visible());

    TChart& range = charts.Chart3;
    ExpectLimitLine(*range.FindSeries("FastLineSeries5"), v.RangeUCL, 6, clRed, psSolid);
    ExpectLimitLine(*range.FindSeries("FastLineSeries6"), 0, 6, clGreen, psSolid);
    ExpectLimitLine(*range.FindSeries("FastLineSeries7"), v.RBar, 6, 42495, psDash);
    EXPECT_EQ(Ys(*range.FindSeries("FastLineSeries8")),
              (std::vector<double>{v.SubgroupRanges.begin(), v.SubgroupRanges.end()}));
    ExpectNear(Ys(*range.FindSeries("FastLineSeries8")), {4.05, 7.12, 6.0, 5.53, 1.73}, 1e-5);
    EXPECT_EQ(range.LeftAxis().Minimum(), -1);
}

TEST(ChartDisplays, SampleDataDrawsTheDistributionChart)
{
    TMemoryWindow window;
    window.LoadSampleData();
    TWindowCharts charts;
    ASSERT_EQ(Compute(window, charts), "");
    TChart& chart = charts.Cht1;
    ASSERT_EQ(chart.SeriesCount(), 9u);

    const auto& bars = dynamic_cast<const TBarSeries&>(chart.Series(0));
    // Class limits rounded to three decimals on the stored values, not the nearest doubles.
    ExpectNear(Xs(bars),
               {22.995, 24.222, 25.449, 26.676, 27.903, 29.13, 30.357, 31.584, 32.811, 34.038, 35.265, 36.492}, 1e-12);
    EXPECT_EQ(Ys(bars), (std::vector<double>{0, 3, 3, 12, 3, 1, 2, 1, 0, 0, 0, 0}));
    EXPECT_EQ(bars.Label(0), " ");
    EXPECT_EQ(bars.Label(3), "");
    EXPECT_EQ(bars.Color(), 15453831);
    EXPECT_EQ(bars.Marks().ArrowLength(), 5);
    EXPECT_TRUE(bars.Marks().Visible());

    const char* labels[] = {"-3Sigma", "+3Sigma", "Target", "LSL", "USL", "Average"};
    const TColor colors[] = {clRed, clRed, clRed, clGreen, clGreen, clGreen};
    for (int i = 0; i < 6; ++i) {
        const TChartSeries& line = chart.Series(1 + i);
        SCOPED_TRACE(labels[i]);
        EXPECT_STREQ(line.ClassName(), "TLineSeries");
        EXPECT_EQ(line.Label(1), labels[i]);
        EXPECT_EQ(line.YValues()[1], i < 3 ? 12 - 1.2 : 12 - 2.4);
        EXPECT_EQ(line.Color(), colors[i]);
        EXPECT_EQ(line.Pen().Style(), i < 3 ? psDash : psSolid);
        EXPECT_EQ(line.Marks().Font().Color(), colors[i]);
    }
    // The "-3Sigma" line keeps the palette colour a new series gets: red, since the bars are not red.
    EXPECT_EQ(chart.Series(1).SeriesColor(), DefaultColorMarker);
    EXPECT_EQ(chart.Series(3).XValues()[0], 25.5);

    for (int curve : {7, 8}) {
        const TChartSeries& line = chart.Series(curve);
        EXPECT_EQ(line.VertAxis(), aRightAxis);
        ASSERT_EQ(line.Count(), 13u);
        EXPECT_EQ(line.XValues()[0], 21);
        EXPECT_EQ(line.YValues()[0], 0);
        EXPECT_FALSE(line.Marks().Visible());
    }
    EXPECT_DOUBLE_EQ(chart.Series(7).YValues()[1], 0.03788);
    EXPECT_EQ(chart.Series(7).Color(), clRed);
    EXPECT_EQ(chart.Series(8).Color(), clGreen);

    EXPECT_EQ(chart.LeftAxis().Minimum(), 0);
    EXPECT_DOUBLE_EQ(chart.LeftAxis().Maximum(), 13.2);
    EXPECT_EQ(chart.RightAxis().Minimum(), 0);
    EXPECT_TRUE(chart.BottomAxis().Automatic());
}

TEST(ChartDisplays, ShowingTheDistributionChartTwiceKeepsNineSeries)
{
    TMemoryWindow window;
    window.LoadSampleData();
    TWindowCharts charts;
    ASSERT_EQ(Compute(window, charts), "");
    charts.Displays.ShowDistributionChart(CurrentCpk());
    charts.Displays.ShowDistributionChart(CurrentCpk());
    EXPECT_EQ(charts.Cht1.SeriesCount(), 9u);
}

TEST(ChartDisplays, ADistributionChartNeedsACompleteHistogram)
{
    TWindowCharts charts;
    charts.Displays.ShowDistributionChart(nullptr);
    EXPECT_EQ(charts.Cht1.SeriesCount(), 0u);

    TMemoryWindow window;
    window.LoadSampleData();
    ASSERT_EQ(Compute(window, charts), "");
    // A computation that stops before its histogram leaves the chart as it is.
    window.Type(Field::SubgroupSize, "1");
    EXPECT_EQ(Compute(window, charts), "Invalid floating point operation");
    ASSERT_FALSE(CurrentCpk()->HistogramComplete);
    const double firstBar = charts.Cht1.Series(0).XValues()[0];
    charts.Displays.ShowDistributionChart(CurrentCpk());
    EXPECT_EQ(charts.Cht1.SeriesCount(), 9u);
    EXPECT_EQ(charts.Cht1.Series(0).XValues()[0], firstBar);
}

TEST(ChartDisplays, AComputationFarBelowThePreviousOneSucceeds)
{
    TMemoryWindow window;
    window.LoadSampleData();
    TWindowCharts charts;
    ASSERT_EQ(Compute(window, charts), "");

    std::vector<std::string> low;
    for (int i = 0; i < 25; ++i)
        low.push_back(std::to_string(-1000 - (i * 7) % 11));
    window.LoadReadings(low);
    window.Type(Field::Usl, "-990");
    window.Type(Field::Target, "-1000");
    window.Type(Field::Lsl, "-1012");
    ASSERT_EQ(Compute(window, charts), "");
    EXPECT_EQ(charts.Chart2.LeftAxis().Maximum(), -989);
    EXPECT_EQ(charts.Chart2.LeftAxis().Minimum(), -1013);
    const TCPKValue& v = CurrentCpk()->Value;
    EXPECT_EQ(charts.Chart1.LeftAxis().Minimum(), static_cast<double>(v.XbarLCL) - 1);
    EXPECT_EQ(charts.Chart1.LeftAxis().Maximum(), static_cast<double>(v.XbarUCL) + 1);

    // And back up again.
    window.LoadSampleData();
    window.Type(Field::Usl, "28");
    window.Type(Field::Target, "25.5");
    window.Type(Field::Lsl, "23");
    ASSERT_EQ(Compute(window, charts), "");
    EXPECT_EQ(charts.Chart2.LeftAxis().Minimum(), 22);
}

TEST(ChartDisplays, AFirstComputationBelowMinusOneSucceeds)
{
    TMemoryWindow window;
    window.LoadReadings({"-5.5", "-6", "-7.25", "-6.5", "-5", "-6.1", "-6.2", "-5.9", "-6.4", "-5.8"});
    window.Type(Field::Usl, "-2");
    window.Type(Field::Target, "-6");
    window.Type(Field::Lsl, "-9");
    TWindowCharts charts;
    ASSERT_EQ(Compute(window, charts), "");
    EXPECT_EQ(charts.Chart2.LeftAxis().Maximum(), -1);
    EXPECT_EQ(charts.Chart2.LeftAxis().Minimum(), -10);
}

TEST(ChartDisplays, AnErrorAfterTheIndividualsChartKeepsTheOtherCharts)
{
    TMemoryWindow window;
    window.LoadSampleData();
    TWindowCharts charts;
    ASSERT_EQ(Compute(window, charts), "");
    const std::vector<double> previousMeans = Ys(*charts.Chart1.FindSeries("FastLineSeries4"));
    const std::vector<double> previousBars = Ys(charts.Cht1.Series(0));

    // Subgroups of one value: the within-subgroup deviation fails after Chart2 is filled.
    window.LoadReadings({"24", "25", "26", "27", "25.5", "26.5"});
    window.Type(Field::SubgroupSize, "1");
    EXPECT_EQ(Compute(window, charts), "Invalid floating point operation");
    EXPECT_EQ(charts.Chart2.FindSeries("Series6")->Count(), 6u);
    EXPECT_EQ(Ys(*charts.Chart1.FindSeries("FastLineSeries4")), previousMeans);
    EXPECT_EQ(Ys(charts.Cht1.Series(0)), previousBars);
}

TEST(ChartDisplays, APointOnALimitIsRed)
{
    TMemoryWindow window;
    window.LoadReadings({"23", "25", "26", "27", "28", "24", "25.5", "26.5", "27.5", "24.5"});
    TWindowCharts charts;
    ASSERT_EQ(Compute(window, charts), "");
    const std::vector<TColor> colors = Colors(*charts.Chart2.FindSeries("Series7"));
    EXPECT_EQ(colors[0], clRed);
    EXPECT_EQ(colors[4], clRed);
    EXPECT_EQ(colors[1], clYellow);
}

TEST(ChartDisplays, DemonstrationFillDrawsEveryOtherIndex)
{
    TWindowCharts charts;
    charts.Displays.DemonstrationFill();
    const TChartSeries& data = *charts.Chart2.FindSeries("Series6");
    const TChartSeries& points = *charts.Chart2.FindSeries("Series7");
    ASSERT_EQ(data.Count(), 26u);
    for (std::size_t i = 0; i < data.Count(); ++i) {
        const double r = data.YValues()[i];
        EXPECT_EQ(data.XValues()[i], 2.0 * i);
        EXPECT_GE(r, 16);
        EXPECT_LE(r, 33);
        EXPECT_EQ(points.StoredColor(i), r > 20 && r < 28 ? clYellow : clRed);
    }
    EXPECT_EQ(charts.Chart2.FindSeries("Series3")->Count(), 0u);
}
