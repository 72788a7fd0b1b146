#include "FormCharts.h"

#include <string>

#include "LimitChart.h"

namespace {

constexpr TColor LaidOutCentreColor = 33023;  // orange of the laid-out centre lines

TFastLineSeries& AddFastLine(TChart& chart, std::string_view name, TColor color)
{
    auto& line = chart.CreateSeries<TFastLineSeries>(std::string(name));
    line.SetSeriesColor(color);
    line.SetParentChart(&chart);
    return line;
}

TLimitChartSeries AddLimitChartSeries(TChart& chart, const TLaidOutSeriesNames& names)
{
    TFastLineSeries& upper = AddFastLine(chart, names.Upper, clRed);
    TFastLineSeries& lower = AddFastLine(chart, names.Lower, clGreen);
    TFastLineSeries& centre = AddFastLine(chart, names.Centre, LaidOutCentreColor);
    TFastLineSeries& data = AddFastLine(chart, names.Data, clBlue);
    auto& points = chart.CreateSeries<TPointSeries>(std::string(names.Points));
    points.Pointer().SetStyle(psRectangle);
    points.SetParentChart(&chart);
    return {upper, lower, centre, data, points};
}

}  // namespace

void PrepareWindowChart(TChart& chart)
{
    chart.SetColor(clWhite);
    chart.SetView3D(false);
    chart.SetLegendVisible(false);
}

std::optional<TLimitChartSeries> LayOutFormChart(TChart& chart, const TWindowChart& formChart)
{
    std::optional<TLimitChartSeries> series;
    // Laid-out values are taken without the axis checks.
    chart.SetLoading(true);
    PrepareWindowChart(chart);
    if (formChart.Title.empty()) {
        chart.Title().SetText({"TChart"});
        chart.Title().SetVisible(false);
    } else {
        chart.Title().SetText({std::string(formChart.Title)});
    }
    if (formChart.Role != TChartRole::Distribution)
        series.emplace(AddLimitChartSeries(chart, formChart.Series));
    chart.SetLoading(false);
    return series;
}
