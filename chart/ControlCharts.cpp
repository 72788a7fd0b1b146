// The individual-values chart and the X-bar and range control charts.
#include <vector>

#include "ChartDisplays.h"
#include "Extended.h"
#include "FormCharts.h"
#include "LimitChart.h"

namespace {

// The room a run chart leaves above its top value and below its bottom value:
// one unit, or a quarter of the span when that is below four units, so that
// readings to hundredths do not shrink to a flat line in the middle.
Extended RunChartMargin(Extended top, Extended bottom)
{
    const Extended span = top - bottom;
    return span > 0 && span < 4 ? span / 4 : 1.0L;
}

// The fixed left axis of a run chart: its margin beyond top and bottom,
// formed in Extended and stored as doubles.
void SetRunChartRange(TChartAxis& axis, float top, float bottom)
{
    const Extended margin = RunChartMargin(top, bottom);
    SetFixedVerticalRange(axis, ToDouble(static_cast<Extended>(bottom) - margin),
                          ToDouble(static_cast<Extended>(top) + margin));
}

struct TLimitChartValues {
    float Upper, Lower, Centre;
    std::vector<float> Data;
};

// The X-bar and range charts: control limits, centre line, data.
void FillControlChart(TLimitChart chart, const TLimitChartValues& values)
{
    TLimitChartSeries& series = chart.Series;
    series.ClearAll();
    chart.Chart.BottomAxis().SetLabelStyle(talValue);
    SetRunChartRange(chart.Chart.LeftAxis(), values.Upper, values.Lower);
    const double xEnd = static_cast<double>(values.Data.size()) + 1;
    AddLimitLine(series.Upper, values.Upper, LimitUpperColor, xEnd, false);
    AddLimitLine(series.Lower, values.Lower, LimitLowerColor, xEnd, false);
    AddLimitLine(series.Centre, values.Centre, LimitCentreColor, xEnd, true);
    AddDataPoints(series, values.Data, values.Upper, values.Lower);
}

}  // namespace

TChartDisplays::TChartDisplays(TChartsByRole charts)
    : individuals_{charts.Individuals, *LayOutFormChart(charts.Individuals, WindowChart::Individuals)},
      xbar_{charts.Xbar, *LayOutFormChart(charts.Xbar, WindowChart::Xbar)},
      range_{charts.Range, *LayOutFormChart(charts.Range, WindowChart::Range)},
      distribution_(charts.Distribution)
{
    LayOutFormChart(distribution_, WindowChart::Distribution);
}

void TChartDisplays::FillIndividualsChart(const TCPKValue& v)
{
    TChart& chart = individuals_.Chart;
    chart.BottomAxis().Grid().SetVisible(false);
    chart.LeftAxis().Grid().SetVisible(false);
    chart.RightAxis().Grid().SetVisible(false);
    TLimitChartSeries& series = individuals_.Series;
    series.ClearAll();
    SetRunChartRange(chart.LeftAxis(), v.ChartMax, v.ChartMin);
    chart.BottomAxis().SetLabelStyle(talValue);
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
    FillControlChart(xbar_, {v.XbarUCL, v.XbarLCL, v.Mean, v.SubgroupMeans});
    FillControlChart(range_, {v.RangeUCL, v.RangeLCL, v.RBar, v.SubgroupRanges});
}
