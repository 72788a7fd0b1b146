// The individual-values chart and the X-bar and range control charts.
#include <vector>

#include "ChartDisplays.h"
#include "LimitChart.h"
#include "app/core/Extended.h"

namespace {

// Ends of a fixed axis one unit beyond the given values, formed in Extended.
double OneBelow(float value) { return ToDouble(static_cast<Extended>(value) - 1.0L); }
double OneAbove(float value) { return ToDouble(static_cast<Extended>(value) + 1.0L); }

struct TLimitChartValues {
    float Upper, Lower, Centre;
    std::vector<float> Data;
};

// Chart1 and Chart3: control limits, centre line, data.
void FillControlChart(TChart& chart, TLimitChartSeries series, const TLimitChartValues& values)
{
    series.ClearAll();
    chart.BottomAxis().SetLabelStyle(talValue);
    SetFixedVerticalRange(chart.LeftAxis(), OneBelow(values.Lower), OneAbove(values.Upper));
    const double xEnd = static_cast<double>(values.Data.size()) + 1;
    AddLimitLine(series.Upper, values.Upper, LimitUpperColor, xEnd, false);
    AddLimitLine(series.Lower, values.Lower, LimitLowerColor, xEnd, false);
    AddLimitLine(series.Centre, values.Centre, LimitCentreColor, xEnd, true);
    AddDataPoints(series, values.Data, values.Upper, values.Lower);
}

}  // namespace

void TChartDisplays::FillIndividualsChart(const TCPKValue& v)
{
    chart2_.BottomAxis().Grid().SetVisible(false);
    chart2_.LeftAxis().Grid().SetVisible(false);
    chart2_.RightAxis().Grid().SetVisible(false);
    TLimitChartSeries series = FindLimitChartSeries(chart2_, "Series3", "Series4", "Series5", "Series6", "Series7");
    series.ClearAll();
    SetFixedVerticalRange(chart2_.LeftAxis(), OneBelow(v.ChartMin), OneAbove(v.ChartMax));
    chart2_.BottomAxis().SetLabelStyle(talValue);
    const double xEnd = static_cast<double>(v.Count) + 1;
    AddLimitLine(series.Upper, v.USL, LimitUpperColor, xEnd, false);
    AddLimitLine(series.Lower, v.LSL, LimitLowerColor, xEnd, false);
    AddLimitLine(series.Centre, v.Target, LimitCentreColor, xEnd, true);
    std::vector<float> values;
    values.reserve(v.Values.size());
    for (const double value : v.Values)
        values.push_back(ToSingle(value));
    AddDataPoints(series, values, v.USL, v.LSL);
}

void TChartDisplays::FillControlCharts(const TCPKValue& v)
{
    FillControlChart(chart1_,
                     FindLimitChartSeries(chart1_, "FastLineSeries1", "FastLineSeries2", "FastLineSeries3",
                                          "FastLineSeries4", "PointSeries1"),
                     {v.XbarUCL, v.XbarLCL, v.Mean, v.SubgroupMeans});
    FillControlChart(chart3_,
                     FindLimitChartSeries(chart3_, "FastLineSeries5", "FastLineSeries6", "FastLineSeries7",
                                          "FastLineSeries8", "PointSeries2"),
                     {v.RangeUCL, v.RangeLCL, v.RBar, v.SubgroupRanges});
}
