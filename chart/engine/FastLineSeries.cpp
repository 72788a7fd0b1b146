#include "FastLineSeries.h"

#include <vector>

void TFastLineSeries::SetLinePen(const TChartPen& pen)
{
    LinePen().Assign(pen);
    SetSeriesColor(pen.Color());
}

void TFastLineSeries::SetSeriesColor(TColor value)
{
    if (SeriesColor() == DefaultColorMarker && value == AssignedColor())
        return;
    TChartSeries::SetSeriesColor(value);
    LinePen().SetColor(value);
}

void TFastLineSeries::SetDrawAllPoints(bool value)
{
    if (drawAllPoints_ != value) {
        drawAllPoints_ = value;
        Repaint();
    }
}

void TFastLineSeries::SetIgnoreNulls(bool value)
{
    if (ignoreNulls_ != value) {
        ignoreNulls_ = value;
        Repaint();
    }
}

int TFastLineSeries::PenMargin() const
{
    const int width = LinePen().Width();
    return width - (width - 2) / 2;
}

void TFastLineSeries::CalcHorizMargins(const TSeriesLayout&, int& left, int& right) const
{
    left = right = PenMargin();
}
void TFastLineSeries::CalcVerticalMargins(const TSeriesLayout&, int& top, int& bottom) const
{
    top = bottom = PenMargin();
}

void TFastLineSeries::DrawAllValues(TCanvas& canvas, const TChartLayout& chart, const TSeriesLayout& layout) const
{
    canvas.SetPen(LinePen().Spec());
    canvas.SetBrush({true, clWhite});

    // The axes' mappings with their factors computed once for the line.
    const TPixelMap mapX(chart.Axis(HorizAxisKind()).Scale);
    const TPixelMap mapY(chart.Axis(VertAxisKind()).Scale);
    const std::vector<double>& xs = XValues().Values();
    const std::vector<double>& ys = YValues().Values();
    const auto pixel = [&](int i) {
        const auto index = static_cast<std::size_t>(i);
        return TPoint{mapX(xs[index]), mapY(ys[index])};
    };

    const int first = layout.FirstVisible;
    const int last = layout.LastVisible;
    const int start = first > 0 ? first - 1 : first;
    // Runs of connected points go to the canvas as one polyline: the same
    // pixels as move-to and line-to, far fewer calls for long lines.
    std::vector<TPoint> run;
    run.reserve(static_cast<std::size_t>(last - start + 1));
    const auto flush = [&] {
        if (run.size() >= 2)
            canvas.Polyline(run);
        run.clear();
    };

    TPoint previous = pixel(start);
    run.push_back(previous);
    for (int i = start + 1; i <= last; ++i) {
        const TPoint point = pixel(i);
        if (point.X == previous.X && (!drawAllPoints_ || point.Y == previous.Y))
            continue;
        if (!ignoreNulls_ && IsNull(static_cast<std::size_t>(i))) {
            flush();  // a move, no line
        }
        run.push_back(point);
        previous = point;
    }
    flush();
}
