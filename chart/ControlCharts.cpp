// The individual-values chart and the X-bar and range control charts.
#include <vector>

#include "ChartDisplays.h"
#include "Extended.h"
#include "LimitChart.h"

namespace {

// Ends of a fixed axis one unit beyond the given values, formed in Extended.
double OneBelow(float value) { return ToDouble(static_cast<Extended>(value) - 1.0L); }
double OneAbove(float value) { return ToDouble(static_cast<Extended>(value) + 1.0L); }

struct TLimitChartValues {
    float Upper, Lower, Centre;
    std::vector<float> Data;
};

// Chart1 and Chart3: control limits, centre line, data.
void FillControlChart(TLimitChart chart, const TLimitChartValues& values)
{
    TLimitChartSeries& series = chart.Series;
    series.ClearAll();
    chart.Chart.BottomAxis().SetLabelStyle(talValue);
    SetFixedVerticalRange(chart.Chart.LeftAxis(), OneBelow(values.Lower), OneAbove(values.Upper));
    const double xEnd = static_cast<double>(values.Data.size()) + 1;
    AddLimitLine(series.Upper, values.Upper, LimitUpperColor, xEnd, false);
    AddLimitLine(series.Lower, values.Lower, LimitLowerColor, xEnd, false);
    AddLimitLine(series.Centre, values.Centre, LimitCentreColor, xEnd, true);
    AddDataPoints(series, values.Data, values.Upper, values.Lower);
}

}  // namespace

void TChartDisplays::FillIndividualsChart(const TCPKValue& v)
{
    TChart& chart2 = chart2_.Chart;
    chart2.BottomAxis().Grid().SetVisible(false);
    chart2.LeftAxis().Grid().SetVisible(false);
    chart2.RightAxis().Grid().SetVisible(false);
    TLimitChartSeries& series = chart2_.Series;
    series.ClearAll();
    SetFixedVerticalRange(chart2.LeftAxis(), OneBelow(v.ChartMin), OneAbove(v.ChartMax));
    chart2.BottomAxis().SetLabelStyle(talValue);
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
    FillControlChart(chart1_, {v.XbarUCL, v.XbarLCL, v.Mean, v.SubgroupMeans});
    FillControlChart(chart3_, {v.RangeUCL, v.RangeLCL, v.RBar, v.SubgroupRanges});
}
