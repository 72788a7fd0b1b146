#include "ExtendedCharts.h"

#include <algorithm>
#include <string>

#include "ExtendedTables.h"
#include "FormCharts.h"
#include "LimitChart.h"
#include "Normality.h"

namespace {

template <class TSeries>
TSeries& AddSeries(TChart& chart, const char* name, TColor color)
{
    auto& series = chart.CreateSeries<TSeries>(name);
    series.SetSeriesColor(color);
    series.SetParentChart(&chart);
    return series;
}

}  // namespace

TLimitChartSeries LayOutControlChart(TChart& chart)
{
    chart.SetLoading(true);
    PrepareWindowChart(chart);
    auto& upper = AddSeries<TFastLineSeries>(chart, "Upper", LimitUpperColor);
    auto& lower = AddSeries<TFastLineSeries>(chart, "Lower", LimitLowerColor);
    auto& centre = AddSeries<TFastLineSeries>(chart, "Centre", LimitCentreColor);
    auto& data = AddSeries<TFastLineSeries>(chart, "Data", DataLineColor);
    auto& points = AddSeries<TPointSeries>(chart, "Points", PointInsideColor);
    points.Pointer().SetStyle(psDiamond);
    points.Marks().SetVisible(true);
    points.Marks().SetTransparent(true);
    points.Marks().Font().SetColor(clRed);
    points.Marks().Font().SetBold(true);
    chart.SetLoading(false);
    return {upper, lower, centre, data, points};
}

void ClearChart(TChart& chart)
{
    for (TChartSeries* s : chart.SeriesList())
        s->ClearPoints();
    chart.Title().SetCaption("");
}

void FillControlChart(TChart& chart, const TLimitChartSeries& s, const TControlChart& data,
                      const std::vector<int>& lowestTest)
{
    ClearChart(chart);
    chart.Title().SetCaption(ChartCaption(data.Name));
    const double xEnd = data.Points.empty() ? 1 : static_cast<double>(data.Points.size() - 1);
    AddLimitLine(s.Upper, static_cast<float>(data.Limits.Upper), LimitUpperColor, xEnd, false);
    AddLimitLine(s.Lower, static_cast<float>(data.Limits.Lower), LimitLowerColor, xEnd, false);
    AddLimitLine(s.Centre, static_cast<float>(data.Limits.Centre), LimitCentreColor, xEnd, true);
    double low = data.Limits.Lower, high = data.Limits.Upper;
    for (size_t i = 0; i < data.Points.size(); ++i) {
        const double y = data.Points[i];
        low = std::min(low, y), high = std::max(high, y);
        const int test = lowestTest[i];
        s.Data.AddPoint(static_cast<double>(i), y, "", DataLineColor);
        // A failed point shows its lowest test number; a blank label hides the mark.
        s.Points.AddPoint(static_cast<double>(i), y, test ? std::to_string(test) : " ",
                          test ? PointOutsideColor : PointInsideColor);
    }
    const double pad = high > low ? (high - low) * 0.1 : 1;
    SetFixedVerticalRange(chart.LeftAxis(), low - pad, high + pad);
}

TProbabilityPlotSeries LayOutProbabilityPlot(TChart& chart)
{
    chart.SetLoading(true);
    PrepareWindowChart(chart);
    auto& fitted = AddSeries<TFastLineSeries>(chart, "Fitted", clRed);
    fitted.LinePen().SetWidth(2);
    auto& scores = AddSeries<TPointSeries>(chart, "Scores", clBlue);
    scores.Pointer().SetStyle(psCircle);
    chart.SetLoading(false);
    return {fitted, scores};
}

void FillProbabilityPlot(TChart& chart, const TProbabilityPlotSeries& series, const std::vector<double>& values,
                         const TExtendedResult& r)
{
    ClearChart(chart);
    chart.Title().SetCaption("正态概率图（纵轴：正态分数）");
    if (values.size() < 2 || !r.SigmaOverall || !(r.SigmaOverall->Value > 0))
        return;
    TFastLineSeries& fitted = series.Fitted;
    TPointSeries& points = series.Scores;
    const std::vector<TProbabilityPoint> scores = NormalProbabilityPoints(values);
    for (const TProbabilityPoint& p : scores)
        points.AddPoint(p.Value, p.Score, "", clBlue);
    // The fitted normal: score = (x - mean) / s across the data.
    const double mean = *r.Mean, s = r.SigmaOverall->Value;
    for (double x : {scores.front().Value, scores.back().Value})
        fitted.AddPoint(x, (x - mean) / s, "", clRed);
    chart.LeftAxis().SetAutomatic(true);
}
