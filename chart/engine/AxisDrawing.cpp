// The drawing half of an axis: it paints the layout's division, the labels,
// axis line, ticks and grid, and computes nothing of its own.
#include "ChartAxis.h"

void TChartAxis::Draw(TCanvas& canvas, const TAxisLayout& layout, const TRect& plotRect) const
{
    if (!layout.Division.Labels.empty()) {
        canvas.SetFont(labelsFont_.Spec());
        for (const TAxisLabel& label : layout.Division.Labels)
            DrawLabel(canvas, layout, label);
    }
    DrawLinesAndTicks(canvas, layout, plotRect);
}

void TChartAxis::DrawLabel(TCanvas& canvas, const TAxisLayout& layout, const TAxisLabel& label) const
{
    const int halfHeight = layout.Division.LabelHeight / 2;
    const int at = layout.LabelsPos;
    switch (kind_) {
    case akBottom: canvas.TextOut(label.Pos, at, label.Text, taCenter, tvTop); break;
    case akTop: canvas.TextOut(label.Pos, at, label.Text, taCenter, tvBottom); break;
    case akLeft: canvas.TextOut(at, label.Pos - halfHeight, label.Text, taRightJustify, tvTop); break;
    case akRight: canvas.TextOut(at, label.Pos - halfHeight, label.Text, taLeftJustify, tvTop); break;
    }
}

// A tick starts one pixel off the axis line and runs away from the plot
// (towards it for inner ticks).
void TChartAxis::DrawTick(TCanvas& canvas, int axisPos, int pos, int length, bool inwards) const
{
    // Bottom and right run to larger coordinates, top and left to smaller.
    int direction = (kind_ == akBottom || kind_ == akRight) ? 1 : -1;
    if (inwards)
        direction = -direction;
    const int start = axisPos + direction;
    const int end = start + direction * length;
    if (Horizontal())
        canvas.Line(pos, start, pos, end);
    else
        canvas.Line(start, pos, end, pos);
}

void TChartAxis::DrawLinesAndTicks(TCanvas& canvas, const TAxisLayout& layout, const TRect& plotRect) const
{
    const std::vector<int>& ticks = layout.Division.Ticks;
    const int axisPos = layout.AxisPos;
    if (axisPen_.Visible()) {
        canvas.SetPen(axisPen_.Spec());
        if (Horizontal())
            canvas.Line(layout.Scale.StartPos, axisPos, layout.Scale.EndPos, axisPos);
        else
            canvas.Line(axisPos, layout.Scale.StartPos, axisPos, layout.Scale.EndPos);
    }

    if (ticks_.Visible() && tickLength_ != 0) {
        canvas.SetPen(ticks_.Spec());
        for (int pos : ticks)
            DrawTick(canvas, axisPos, pos, tickLength_, false);
    }

    if (grid_.Visible()) {
        canvas.SetPen(grid_.Spec());
        for (int pos : ticks) {
            if (!layout.StrictlyInside(pos))
                continue;
            if (Horizontal())
                canvas.Line(pos, plotRect.Top + 1, pos, plotRect.Bottom);
            else
                canvas.Line(plotRect.Left + 1, pos, plotRect.Right, pos);
        }
    }

    if (ticksInner_.Visible() && tickInnerLength_ != 0) {
        canvas.SetPen(ticksInner_.Spec());
        for (int pos : ticks)
            DrawTick(canvas, axisPos, pos, tickInnerLength_, true);
    }

    if (minorTicks_.Visible() && ticks.size() >= 2 && minorTickCount_ > 0) {
        canvas.SetPen(minorTicks_.Spec());
        for (int pos : layout.Division.MinorTicks)
            DrawTick(canvas, axisPos, pos, minorTickLength_, false);
    }
}
