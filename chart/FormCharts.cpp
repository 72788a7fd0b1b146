#include "FormCharts.h"

#include "LimitChart.h"

namespace {

constexpr TColor LaidOutCentreColor = 33023;  // orange of the laid-out centre lines

struct TLaidOutSeries {
    const char* Upper;
    const char* Lower;
    const char* Centre;
    const char* Data;
    const char* Points;
};

TFastLineSeries& AddFastLine(TChart& chart, const char* name, TColor color)
{
    auto& line = chart.CreateSeries<TFastLineSeries>(name);
    line.SetSeriesColor(color);
    line.SetParentChart(&chart);
    return line;
}

TLimitChartSeries AddLimitChartSeries(TChart& chart, const TLaidOutSeries& names)
{
    TFastLineSeries& upper = AddFastLine(chart, names.Upper, clRed);
    TFastLineSeries& lower = AddFastLine(chart, names.Lower, clGreen);
    TFastLineSeries& centre = AddFastLine(chart, names.Centre, LaidOutCentreColor);
    TFastLineSeries& data = AddFastLine(chart, names.Data, clBlue);
    auto& points = chart.CreateSeries<TPointSeries>(names.Points);
    points.Pointer().SetStyle(psRectangle);
    points.SetParentChart(&chart);
    return {upper, lower, centre, data, points};
}

}  // namespace

std::optional<TLimitChartSeries> LayOutFormChart(TChart& chart, std::string_view chartName)
{
    std::optional<TLimitChartSeries> series;
    // Laid-out values are taken without the axis checks.
    chart.SetLoading(true);
    chart.SetColor(clWhite);
    chart.SetView3D(false);
    chart.SetLegendVisible(false);
    if (chartName == "Chart1") {
        chart.Title().SetText({"均值控制图"});
        series.emplace(AddLimitChartSeries(
            chart, {"FastLineSeries1", "FastLineSeries2", "FastLineSeries3", "FastLineSeries4", "PointSeries1"}));
    } else if (chartName == "Chart3") {
        chart.Title().SetText({"极差控制图"});
        series.emplace(AddLimitChartSeries(
            chart, {"FastLineSeries5", "FastLineSeries6", "FastLineSeries7", "FastLineSeries8", "PointSeries2"}));
    } else {
        chart.Title().SetText({"TChart"});
        chart.Title().SetVisible(false);
        if (chartName == "Chart2")
            series.emplace(AddLimitChartSeries(chart, {"Series3", "Series4", "Series5", "Series6", "Series7"}));
    }
    chart.SetLoading(false);
    return series;
}
