#include "CustomSeries.h"

#include <cmath>
#include <numbers>

#include "ChartAxis.h"
#include "Extended.h"

namespace {

// The canvas draws no ellipses: a circle is a polygon of 16 corners, round at pointer sizes.
std::vector<TPoint> CirclePoints(int x, int y, int h, int v)
{
    constexpr int Corners = 16;
    std::vector<TPoint> points;
    for (int i = 0; i < Corners; ++i) {
        const double angle = 2 * std::numbers::pi * i / Corners;
        points.push_back({x + static_cast<int>(std::lround(h * std::cos(angle))),
                          y + static_cast<int>(std::lround(v * std::sin(angle)))});
    }
    return points;
}

}  // namespace

void TSeriesPointer::Draw(TCanvas& canvas, int x, int y, TColor pointColor) const
{
    if (pen_.Visible()) {
        TPenSpec pen = pen_.Spec();
        if (pen.Color == DefaultColorMarker)
            pen.Color = pointColor;
        canvas.SetPen(pen);
    } else {
        canvas.SetPen({pointColor, 1, psClear, esRound});
    }
    canvas.SetBrush({false, brushColor_ == DefaultColorMarker ? pointColor : brushColor_});
    const int h = horizSize_;
    const int v = vertSize_;
    switch (style_) {
    case psDiamond: canvas.Polygon({{x - h, y}, {x, y - v}, {x + h, y}, {x, y + v}}); break;
    case psCircle: canvas.Polygon(CirclePoints(x, y, h, v)); break;
    case psNothing: break;
    default:  // only the rectangle, the diamond and the circle are offered
        canvas.Rectangle({x - h, y - v, x + h + 1, y + v + 1});
        break;
    }
}

TCustomSeries::TCustomSeries(TChart* owner, bool lineVisible, bool pointerVisible, int marksArrowLength)
    : TChartSeries(owner, false, marksArrowLength),
      lineVisible_(lineVisible),
      pointer_(pointerVisible)
{
    pointer_.SetOnChange([this] { Repaint(); });
    pointer_.Pen().SetOnChange([this] { Repaint(); });
}

void TCustomSeries::SetColorEachLine(bool value)
{
    if (colorEachLine_ != value) {
        colorEachLine_ = value;
        Repaint();
    }
}

void TCustomSeries::CalcHorizMargins(const TSeriesLayout&, int& left, int& right) const
{
    left = right = 0;
    if (pointer_.Visible() && pointer_.InflateMargins())
        left = right = pointer_.HorizSize() + 1;
}

void TCustomSeries::CalcVerticalMargins(const TSeriesLayout&, int& top, int& bottom) const
{
    top = bottom = 0;
    if (pointer_.Visible() && pointer_.InflateMargins())
        top = bottom = pointer_.VertSize() + 1;
}

void TCustomSeries::DrawAllValues(TCanvas& canvas, const TChartLayout& chart, const TSeriesLayout& layout) const
{
    const TRect& plotRect = chart.PlotRect;
    const int first = layout.FirstVisible;
    const int last = layout.LastVisible;

    TPoint previous = PointPixel(chart, static_cast<std::size_t>(first));
    if (lineVisible_ && first > 0) {
        // The line enters from the left edge at the height of the segment
        // from the hidden point before.
        const TPoint before = PointPixel(chart, static_cast<std::size_t>(first - 1));
        int y = previous.Y;
        if (previous.X != before.X) {
            const long double t = static_cast<long double>(plotRect.Left - before.X) / (previous.X - before.X);
            y = before.Y + static_cast<int>(RoundHalfEven((previous.Y - before.Y) * t));
        }
        const TPoint edge{plotRect.Left, y};
        if (!IsNull(static_cast<std::size_t>(first)) && edge != previous) {
            canvas.SetPen(LinePen().SpecWithColor(Color()));
            canvas.SetBrush({true, clWhite});
            canvas.Line(edge.X, edge.Y, previous.X, previous.Y);
        }
    }

    int pendingPointer = IsNull(static_cast<std::size_t>(first)) ? -1 : first;
    TPoint pendingPixel = previous;
    const auto drawPendingPointer = [&] {
        if (pointer_.Visible() && pendingPointer >= 0)
            pointer_.Draw(canvas, pendingPixel.X, pendingPixel.Y, ValueColor(static_cast<std::size_t>(pendingPointer)));
    };

    for (int i = first + 1; i <= last; ++i) {
        const std::size_t index = static_cast<std::size_t>(i);
        const TPoint point = PointPixel(chart, index);
        const bool null = IsNull(index);
        if (lineVisible_ && !null && point != previous) {
            const TColor color = ColorEachPoint() && colorEachLine_ ? ValueColor(index) : Color();
            canvas.SetPen(LinePen().SpecWithColor(color));
            canvas.SetBrush({true, clWhite});
            canvas.Line(previous.X, previous.Y, point.X, point.Y);
        }
        // A pointer is drawn once the line past it is down, so no line covers it.
        drawPendingPointer();
        pendingPointer = null ? -1 : i;
        pendingPixel = point;
        if (!null)
            previous = point;
    }
    drawPendingPointer();
}
