#include "ExtendedCharts.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "BarSeries.h"
#include "DistributionFits.h"
#include "ExtendedTables.h"
#include "FormCharts.h"
#include "LimitChart.h"
#include "NumberText.h"

namespace {

constexpr TColor HistogramColor = 15453831;  // the form's bar colour
constexpr int LimitMarkCharacterWidth = 8;   // a digit of the bold 10-point marks, pixels

template <class TSeries>
TSeries& AddSeries(TChart& chart, const char* name, TColor color)
{
    auto& series = chart.CreateSeries<TSeries>(name);
    series.SetSeriesColor(color);
    series.SetParentChart(&chart);
    return series;
}

// The run charts' margin: a quarter of the span when it is below 4, else 1.
double VerticalMargin(double span) { return span > 0 && span < 4 ? span / 4 : 1; }

bool HasLimits(const TChartLimits& l) { return std::isfinite(l.Upper) && std::isfinite(l.Lower); }

// A limit across the points, as steps where every subgroup has its own; its
// value shown at the right end only (a blank label hides a mark).
void AddLimitSteps(TFastLineSeries& line, const std::vector<TChartLimits>& limits, double TChartLimits::*level,
                   double firstPoint, double stepWidth, TColor color, bool dashed)
{
    StyleLimitLine(line, color, dashed);
    size_t last = limits.size();
    while (last > 0 && !HasLimits(limits[last - 1]))
        --last;
    for (size_t i = 0; i < last; ++i) {
        if (!HasLimits(limits[i]))
            continue;  // a subgroup of one has no range or deviation limits
        const double x = firstPoint + static_cast<double>(i) * stepWidth - 0.5, y = limits[i].*level;
        line.AddPoint(x, y, " ", color);
        line.AddPoint(x + stepWidth, y, i + 1 == last ? "" : " ", color);
    }
}

// Room at the right for the limit values' marks, centred on the lines' ends.
int RightMarkRoom(const std::vector<double>& values)
{
    size_t widest = 0;
    for (double v : values)
        if (std::isfinite(v))
            widest = std::max(widest, PatternNumberText("#,##0.###", v).size());
    return static_cast<int>(widest) * LimitMarkCharacterWidth / 2 + 4;
}

}  // namespace

TLimitChartSeries LayOutControlChart(TChart& chart)
{
    chart.SetLoading(true);
    PrepareWindowChart(chart);
    // Subgroup (or observation) numbers on the bottom axis, whole numbers only.
    chart.BottomAxis().SetLabelStyle(talValue);
    chart.BottomAxis().SetIncrement(1);
    chart.BottomAxis().Grid().SetVisible(false);
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
    chart.Title().SetCaption(ChartCaption(data.Name) + (data.Historical ? "（历史值）" : ""));
    const double first = data.FirstPoint;
    const double last = first + (data.Points.empty() ? 0 : static_cast<double>(data.Points.size() - 1));
    double low = HUGE_VAL, high = -HUGE_VAL;
    std::vector<double> rightValues;
    const std::vector<TChartLimits> limits =
        data.PointLimits.empty() ? std::vector<TChartLimits>{data.Limits} : data.PointLimits;
    // Equal limits: one step from the first point to the last.
    const double stepWidth = data.PointLimits.empty() ? last - first + 1 : 1;
    AddLimitSteps(s.Upper, limits, &TChartLimits::Upper, first, stepWidth, LimitUpperColor, false);
    AddLimitSteps(s.Lower, limits, &TChartLimits::Lower, first, stepWidth, LimitLowerColor, false);
    AddLimitSteps(s.Centre, limits, &TChartLimits::Centre, first, stepWidth, LimitCentreColor, true);
    for (const TChartLimits& l : limits)
        if (HasLimits(l)) {
            low = std::min(low, l.Lower), high = std::max(high, l.Upper);
            rightValues = {l.Upper, l.Lower, l.Centre};
        }
    for (size_t i = 0; i < data.Points.size(); ++i) {
        const double y = data.Points[i];
        if (!std::isfinite(y))
            continue;  // a subgroup of one on the R or S chart
        low = std::min(low, y), high = std::max(high, y);
        const double x = first + static_cast<double>(i);
        const int test = lowestTest[i];
        s.Data.AddPoint(x, y, "", DataLineColor);
        // A failed point shows its lowest test number; a blank label hides the mark.
        s.Points.AddPoint(x, y, test ? std::to_string(test) : " ", test ? PointOutsideColor : PointInsideColor);
    }
    if (!(low <= high))
        return;
    const double margin = VerticalMargin(high - low);
    SetFixedVerticalRange(chart.LeftAxis(), low - margin, high + margin);
    chart.BottomAxis().SetMaximumOffset(RightMarkRoom(rightValues));
    chart.BottomAxis().SetMinimumOffset(8);
}

TProbabilityPlotSeries LayOutProbabilityPlot(TChart& chart)
{
    chart.SetLoading(true);
    PrepareWindowChart(chart);
    auto& fitted = AddSeries<TFastLineSeries>(chart, "Fitted", clRed);
    fitted.LinePen().SetWidth(2);
    auto& scores = AddSeries<TPointSeries>(chart, "Scores", clBlue);
    scores.Pointer().SetStyle(psCircle);
    chart.BottomAxis().SetLabelStyle(talValue);
    // Room for the outermost circles, which sit on the data's ends.
    for (TChartAxis* axis : {&chart.BottomAxis(), &chart.LeftAxis()}) {
        axis->SetMinimumOffset(8);
        axis->SetMaximumOffset(8);
    }
    chart.SetLoading(false);
    return {fitted, scores};
}

const TDistributionFit* PlottedFit(const TExtendedResult& r)
{
    const std::string& name = r.Distribution.Selected == "nonparametric" ? "normal" : r.Distribution.Selected;
    for (const TDistributionFit& f : r.Distribution.Fits)
        if (f.Name == name && f.Fitted)
            return &f;
    return nullptr;
}

void FillProbabilityPlot(TChart& chart, const TProbabilityPlotSeries& series, const std::vector<double>& values,
                         const TExtendedResult& r)
{
    ClearChart(chart);
    const TDistributionFit* fit = PlottedFit(r);
    if (!fit || values.size() < 2 || !(fit->Name == "weibull" || fit->Spread > 0)) {
        chart.Title().SetCaption("概率图：无法拟合所选分布");
        return;
    }
    const char* const captions[][2] = {{"normal", "正态概率图（横轴：数值，纵轴：正态分数）"},
                                       {"lognormal", "对数正态概率图（横轴：ln x，纵轴：正态分数）"},
                                       {"boxcox", "Box-Cox 概率图（横轴：变换值 y，纵轴：正态分数）"},
                                       {"weibull", "Weibull 概率图（横轴：ln x，纵轴：ln(−ln(1−p))）"}};
    for (const auto& [name, caption] : captions)
        if (fit->Name == name)
            chart.Title().SetCaption(caption);
    std::vector<double> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    const double n = static_cast<double>(sorted.size());
    for (size_t i = 0; i < sorted.size(); ++i) {
        const double position = (static_cast<double>(i + 1) - 0.375) / (n + 0.25);
        series.Scores.AddPoint(ProbabilityPlotX(*fit, sorted[i]), ProbabilityPlotScore(*fit, position), "", clBlue);
    }
    for (double x : {sorted.front(), sorted.back()}) {
        const double plotX = ProbabilityPlotX(*fit, x);
        series.Fitted.AddPoint(plotX, ProbabilityPlotLine(*fit, plotX), "", clRed);
    }
    chart.LeftAxis().SetAutomatic(true);
}

THistogramSeries LayOutHistogram(TChart& chart)
{
    chart.SetLoading(true);
    PrepareWindowChart(chart);
    auto& bars = AddSeries<TBarSeries>(chart, "Classes", HistogramColor);
    bars.SetBarWidthPercent(100);
    bars.Marks().SetVisible(false);
    auto& density = AddSeries<TFastLineSeries>(chart, "Density", clRed);
    density.LinePen().SetWidth(2);
    chart.BottomAxis().SetLabelStyle(talValue);
    chart.BottomAxis().Grid().SetVisible(false);
    chart.SetLoading(false);
    return {bars, density};
}

// Sturges' classes over the data; the chosen fit's density scaled to counts.
void FillHistogram(TChart& chart, const THistogramSeries& series, const std::vector<double>& values,
                   const TExtendedResult& r)
{
    ClearChart(chart);
    chart.Title().SetCaption("直方图与拟合密度");
    if (values.size() < 2)
        return;
    const auto [lowest, highest] = std::minmax_element(values.begin(), values.end());
    const double low = *lowest, span = *highest - low;
    if (!(span > 0) || !std::isfinite(span))
        return;
    const int classes = static_cast<int>(std::ceil(std::log2(static_cast<double>(values.size())))) + 1;
    const double width = span / classes;
    std::vector<int> counts(static_cast<size_t>(classes), 0);
    for (double v : values)
        ++counts[static_cast<size_t>(std::min(classes - 1, static_cast<int>((v - low) / width)))];
    for (int c = 0; c < classes; ++c)
        series.Bars.AddPoint(low + (c + 0.5) * width, counts[static_cast<size_t>(c)], " ", HistogramColor);
    const TDistributionFit* fit = PlottedFit(r);
    if (!fit || r.Distribution.Selected == "nonparametric")
        return;
    chart.Title().SetCaption(std::string("直方图与拟合密度：") + FamilyName(fit->Name));
    constexpr int Steps = 80;
    const double scale = static_cast<double>(values.size()) * width;
    for (int i = 0; i <= Steps; ++i) {
        const double x = low - width + (span + 2 * width) * i / Steps;
        const double y = FitDensity(*fit, x) * scale;
        if (std::isfinite(y))
            series.Density.AddPoint(x, y, "", clRed);
    }
}
