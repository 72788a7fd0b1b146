#include "LimitChart.h"

void TLimitChartSeries::ClearAll()
{
    Upper.ClearPoints();
    Lower.ClearPoints();
    Centre.ClearPoints();
    Data.ClearPoints();
    Points.ClearPoints();
}

void SetFixedVerticalRange(TChartAxis& axis, double minimum, double maximum)
{
    axis.SetAutomatic(false);
    if (maximum < axis.Minimum()) {
        axis.SetMinimum(minimum);
        axis.SetMaximum(maximum);
    } else {
        axis.SetMaximum(maximum);
        axis.SetMinimum(minimum);
    }
}

void StyleLimitLine(TFastLineSeries& line, TColor color, bool dashed)
{
    TSeriesMarks& marks = line.Marks();
    marks.SetVisible(true);
    marks.SetTransparent(true);
    marks.Font().SetSize(10);
    marks.Font().SetColor(color);
    marks.Font().SetBold(true);
    if (dashed)
        line.LinePen().SetStyle(psDash);
    line.LinePen().SetWidth(2);
}

void AddLimitLine(TFastLineSeries& line, float value, TColor color, double xEnd, bool dashed)
{
    StyleLimitLine(line, color, dashed);
    // Limits closer than a label's height keep their values legible.
    line.Marks().SetOverlapGroup(1);
    // The blank label hides the left end's mark; the right end shows the value.
    line.AddPoint(0, value, " ", color);
    line.AddPoint(xEnd, value, "", color);
}

void AddDataPoints(TLimitChartSeries& series, std::span<const float> values, float upper, float lower)
{
    series.Points.Pointer().SetStyle(psDiamond);
    series.Data.ReservePoints(values.size());
    series.Points.ReservePoints(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        const float y = values[i];
        const bool onOrBeyond = y >= upper || y <= lower;
        series.Data.AddPoint(static_cast<double>(i), y, "", DataLineColor);
        series.Points.AddPoint(static_cast<double>(i), y, "", onOrBeyond ? PointOutsideColor : PointInsideColor);
    }
}
