// The distribution chart on cht1: the histogram as bars, six labelled vertical
// reference lines, and the overall and within-subgroup normal curves on the
// right axis. It is rebuilt from nothing at every drawing.
#include "BarSeries.h"
#include "ChartDisplays.h"
#include "CustomSeries.h"
#include "Extended.h"
#include "NumberText.h"

namespace {

constexpr TColor BarColor = 15453831;  // red 135, green 206, blue 235
constexpr int RedRow = 1;
constexpr int GreenRow = 2;

struct TReferenceLine {
    const char* Label;
    float X;
    double Top;
    TColor Color;
    bool Dashed;
    bool TakesItsColor;  // the "-3Sigma" line keeps the colour the chart gives it
};

void AddBars(TChart& chart, const TCPKValue& v)
{
    auto& bars = chart.CreateSeries<TBarSeries>();
    bars.SetParentChart(&chart);
    bars.Marks().SetVisible(true);
    bars.Marks().SetTransparent(true);
    bars.Marks().SetArrowLength(5);
    bars.SetSeriesColor(BarColor);
    // Narrow classes far from a reference line would otherwise print over each other.
    bars.SetKeepApart(true);
    for (int i = 0; i < 12; ++i) {
        // An empty class gets a blank label, so its bar shows no count.
        const char* label = v.Frequencies[i] != 0 ? "" : " ";
        bars.AddPoint(RoundAtPowerOfTen(v.ClassLimits[i + 1], -3), v.Frequencies[i], label, BarColor);
    }
    chart.AttachSeries(bars);
}

void AddReferenceLine(TChart& chart, const TReferenceLine& reference)
{
    auto& line = chart.CreateSeries<TLineSeries>();
    line.Marks().SetVisible(true);
    line.Marks().SetTransparent(true);
    line.Marks().Font().SetColor(reference.Color);
    // The labels of one row (red at nine tenths, green at eight) stay apart.
    line.Marks().SetOverlapGroup(reference.Color == clRed ? RedRow : GreenRow);
    if (reference.Dashed)
        line.LinePen().SetStyle(psDash);
    line.SetParentChart(&chart);
    line.AddPoint(reference.X, 0, " ", reference.Color);
    line.AddPoint(reference.X, reference.Top, reference.Label, reference.Color);
    if (reference.TakesItsColor)
        line.SetSeriesColor(reference.Color);
    line.LinePen().SetWidth(2);
    chart.AttachSeries(line);
}

// X of a curve's first point, on the bottom edge left of the first limit:
// two classes to the left for classes narrower than one unit, else about two
// units (as a whole number), which would leave narrow classes a thin strip
// at the right end of the axis.
double CurveStart(const TCPKValue& v)
{
    const Extended firstLimit = v.ClassLimits[1];
    const float classWidth = v.ClassWidth;
    if (classWidth < 1)
        return RoundAtPowerOfTen(ToDouble(firstLimit - 2 * static_cast<Extended>(classWidth)), -3);
    return RoundAtPowerOfTen(ToDouble(firstLimit - 2), 0);
}

void AddCurve(TChart& chart, const TCPKValue& v, const std::array<float, 12>& curve, TColor color)
{
    auto& line = chart.CreateSeries<TLineSeries>();
    line.SetParentChart(&chart);
    line.SetVertAxis(aRightAxis);
    line.LinePen().SetWidth(2);
    line.SetSeriesColor(color);
    line.AddPoint(CurveStart(v), 0, "", color);
    for (int i = 0; i < 12; ++i)
        line.AddPoint(RoundAtPowerOfTen(v.ClassLimits[i + 1], -3), RoundAtPowerOfTen(curve[i], -5), "", color);
    chart.AttachSeries(line);
}

}  // namespace

void TChartDisplays::DrawDistributionChart(const TCPKValue& v)
{
    TChart& chart = distribution_;
    chart.DestroyAllSeries();
    chart.BottomAxis().Grid().SetVisible(false);
    chart.LeftAxis().Grid().SetVisible(false);
    chart.RightAxis().Grid().SetVisible(false);
    chart.BottomAxis().SetLabelStyle(talValue);

    const Extended maxFrequency = v.MaxFrequency;
    chart.RightAxis().SetAutomatic(false);
    chart.RightAxis().SetMinimum(0);
    chart.RightAxis().SetMaximum(ToDouble(static_cast<Extended>(v.MaxCurve) + 0.01L));
    chart.LeftAxis().SetAutomatic(false);
    chart.LeftAxis().SetMinimum(0);
    chart.LeftAxis().SetMaximum(ToDouble(maxFrequency + 0.1L * maxFrequency));

    AddBars(chart, v);

    // Red labels at nine tenths of the largest bar, green ones at eight tenths.
    const double redTop = ToDouble(maxFrequency - 0.1L * maxFrequency);
    const double greenTop = ToDouble(maxFrequency - 0.2L * maxFrequency);
    const TReferenceLine references[] = {
        {"-3Sigma", v.Minus3Sigma, redTop, clRed, true, false}, {"+3Sigma", v.Plus3Sigma, redTop, clRed, true, true},
        {"Target", v.Target, redTop, clRed, true, true},        {"LSL", v.LSL, greenTop, clGreen, false, true},
        {"USL", v.USL, greenTop, clGreen, false, true},         {"Average", v.Mean, greenTop, clGreen, false, true},
    };
    for (const TReferenceLine& reference : references)
        AddReferenceLine(chart, reference);

    AddCurve(chart, v, v.OverallCurve, clRed);
    AddCurve(chart, v, v.WithinCurve, clGreen);
}

void TChartDisplays::ShowDistributionChart(const TarryCpk* record)
{
    if (record && record->HistogramComplete)
        DrawDistributionChart(record->Value);
}
