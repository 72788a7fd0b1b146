#include "LimitChart.h"

#include <stdexcept>
#include <string>

namespace {

template <class TSeries>
TSeries& FindSeriesAs(TChart& chart, const char* name)
{
    auto* series = dynamic_cast<TSeries*>(chart.FindSeries(name));
    if (!series)
        throw std::logic_error(std::string("chart series missing from the layout: ") + name);
    return *series;
}

}  // namespace

void TLimitChartSeries::ClearAll()
{
    Upper.ClearPoints();
    Lower.ClearPoints();
    Centre.ClearPoints();
    Data.ClearPoints();
    Points.ClearPoints();
}

TLimitChartSeries FindLimitChartSeries(TChart& chart, const char* upper, const char* lower, const char* centre,
                                       const char* data, const char* points)
{
    return {FindSeriesAs<TFastLineSeries>(chart, upper), FindSeriesAs<TFastLineSeries>(chart, lower),
            FindSeriesAs<TFastLineSeries>(chart, centre), FindSeriesAs<TFastLineSeries>(chart, data),
            FindSeriesAs<TPointSeries>(chart, points)};
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

void AddLimitLine(TFastLineSeries& line, float value, TColor color, double xEnd, bool dashed)
{
    TSeriesMarks& marks = line.Marks();
    marks.SetVisible(true);
    marks.SetTransparent(true);
    marks.Font().SetSize(10);
    marks.Font().SetColor(color);
    marks.Font().SetBold(true);
    // The blank label hides the left end's mark; the right end shows the value.
    line.AddPoint(0, value, " ", color);
    line.AddPoint(xEnd, value, "", color);
    if (dashed)
        line.LinePen().SetStyle(psDash);
    line.LinePen().SetWidth(2);
}

void AddDataPoints(TLimitChartSeries& series, std::span<const float> values, float upper, float lower)
{
    series.Points.Pointer().SetStyle(psDiamond);
    for (std::size_t i = 0; i < values.size(); ++i) {
        const float y = values[i];
        const bool onOrBeyond = y >= upper || y <= lower;
        series.Data.AddPoint(static_cast<double>(i), y, "", DataLineColor);
        series.Points.AddPoint(static_cast<double>(i), y, "", onOrBeyond ? PointOutsideColor : PointInsideColor);
    }
}
