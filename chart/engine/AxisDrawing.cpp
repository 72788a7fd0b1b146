// The drawing half of an axis: it paints the division of the layout pass,
// the labels, axis line, ticks and grid, and computes nothing of its own.
#include "ChartAxis.h"

void TChartAxis::Draw(TCanvas& canvas, const TRect& plotRect)
{
    if (!division_.Labels.empty()) {
        canvas.SetFont(labelsFont_.Spec());
        for (const TAxisLabel& label : division_.Labels)
            DrawLabel(canvas, label.Pos, label.Text);
    }
    DrawLinesAndTicks(canvas, plotRect);
}

void TChartAxis::DrawLabel(TCanvas& canvas, int pos, const std::string& text)
{
    const int halfHeight = division_.LabelHeight / 2;
    switch (kind_) {
    case akBottom: canvas.TextOut(pos, labelsPos_, text, taCenter, tvTop); break;
    case akTop: canvas.TextOut(pos, labelsPos_, text, taCenter, tvBottom); break;
    case akLeft: canvas.TextOut(labelsPos_, pos - halfHeight, text, taRightJustify, tvTop); break;
    case akRight: canvas.TextOut(labelsPos_, pos - halfHeight, text, taLeftJustify, tvTop); break;
    }
}

// A tick starts one pixel off the axis line and runs away from the plot
// (towards it for inner ticks).
void TChartAxis::DrawTick(TCanvas& canvas, int pos, int length, bool inwards)
{
    // Bottom and right run to larger coordinates, top and left to smaller.
    int direction = (kind_ == akBottom || kind_ == akRight) ? 1 : -1;
    if (inwards)
        direction = -direction;
    const int start = axisPos_ + direction;
    const int end = start + direction * length;
    if (Horizontal())
        canvas.Line(pos, start, pos, end);
    else
        canvas.Line(start, pos, end, pos);
}

void TChartAxis::DrawLinesAndTicks(TCanvas& canvas, const TRect& plotRect)
{
    const std::vector<int>& ticks = division_.Ticks;
    if (axisPen_.Visible()) {
        canvas.SetPen(axisPen_.Spec());
        if (Horizontal())
            canvas.Line(scale_.StartPos, axisPos_, scale_.EndPos, axisPos_);
        else
            canvas.Line(axisPos_, scale_.StartPos, axisPos_, scale_.EndPos);
    }

    if (ticks_.Visible() && tickLength_ != 0) {
        canvas.SetPen(ticks_.Spec());
        for (int pos : ticks)
            DrawTick(canvas, pos, tickLength_, false);
    }

    if (grid_.Visible()) {
        canvas.SetPen(grid_.Spec());
        for (int pos : ticks) {
            if (!StrictlyInside(pos))
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
            DrawTick(canvas, pos, tickInnerLength_, true);
    }

    if (minorTicks_.Visible() && ticks.size() >= 2 && minorTickCount_ > 0) {
        canvas.SetPen(minorTicks_.Spec());
        for (int pos : division_.MinorTicks)
            DrawTick(canvas, pos, minorTickLength_, false);
    }
}
